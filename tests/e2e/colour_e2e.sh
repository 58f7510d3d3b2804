#!/usr/bin/env bash
# End to end: the colour picker dragged with real input from its board onto
# a painted window of another program and released: the sampled colour, its
# HTML notation and the magnifier's centre block show the pixel's colour, and
# the picker window is gone. Then a second pick lands one pixel left of a
# colour edge and the right arrow key moves it across; the right button on
# the magnifier switches to the palette picture and back to the kept view.
#
# Usage: colour_e2e.sh TAVRIN_EXE PROBE_EXE FIXTURE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 fixture=$3 out=$4
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end TavrinFixtureColours; probe close >/dev/null 2>&1' EXIT
wine "$fixture" colours >/dev/null 2>&1 &
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
probe window-of TavrinFixtureColours >/dev/null || { echo "FAILED: the fixture did not appear"; exit 1; }
click_tab 2

red=$((200 + 30 * 256 + 60 * 65536))    # the fixture's left half
green=$((20 + 180 * 256 + 90 * 65536))  # its right half
pink=$((0xFFA8FF))                      # the magnifier's ruler marks
# 96-DPI client points of the page's boxes and boards.
colour_box="276 42"; html_box="476 258"; x_box="172 74"; y_box="276 74"
read -r px py < <(probe point 23 47)       # the picker board
read -r mx my < <(probe point 175 239)     # the magnifier's centre block
read -r kx ky < <(probe point 50 114)      # a ruler mark of the magnifier

drag "$px" "$py" 950 610
same "sampled colour" "$red" "$(probe wait-text-at $colour_box "$red")"
same "HTML notation" "#C81E3C" "$(probe wait-text-at $html_box "#C81E3C")"
same "cursor position X" "950" "$(probe wait-text-at $x_box 950)"
same "cursor position Y" "610" "$(probe wait-text-at $y_box 610)"
await "magnifier centre block shows the colour" wait-pixel "$mx" "$my" "$red"
import -window root "$out/colour_picked.png"

# One pixel left of the edge at x 1000, then the right arrow while held.
press_and_move "$px" "$py" 999 610
same "held on the last red column" "999" "$(probe wait-text-at $x_box 999)"
xdotool key Right
same "the arrow key moved the point one pixel" "1000" "$(probe wait-text-at $x_box 1000)"
same "the colour followed" "$green" "$(probe wait-text-at $colour_box "$green")"
release
await "magnifier shows the kept view's centre" wait-pixel "$mx" "$my" "$green"

# The right button: the palette picture, then the kept view again.
move_to "$mx" "$my"
xdotool click 3
await "palette picture shown (no ruler mark)" wait-pixel-other "$kx" "$ky" "$pink"
xdotool click 3
await "kept view shown again (ruler mark back)" wait-pixel "$kx" "$ky" "$pink"
await "kept view's centre block" wait-pixel "$mx" "$my" "$green"
import -window root "$out/colour_kept.png"

exit $((failures > 0))
