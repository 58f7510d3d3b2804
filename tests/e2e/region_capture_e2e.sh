#!/usr/bin/env bash
# End to end: the region capture from `按钮_截图` with real input. Esc closes
# it; a rectangle dragged over a painted window of another program and
# saved by a double click through the save dialog under a .png name is PNG
# data of the selected size and pixels; a double click without a drag over
# a control of another program's dialog saves exactly that control; the
# right button leaves the frozen screen until Esc.
#
# Usage: region_capture_e2e.sh TAVRIN_EXE PROBE_EXE FIXTURE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 fixture=$3 out=$4
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end TavrinFixtureColours; probe end TavrinFixtureOwner; probe end Notepad; probe close >/dev/null 2>&1' EXIT
wine "$fixture" colours >/dev/null 2>&1 &
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
probe window-of TavrinFixtureColours >/dev/null || { echo "FAILED: the fixture did not appear"; exit 1; }
click_tab 2
read -r bx by < <(probe point 340 356)  # 按钮_截图

open_capture() {
    click_at "$bx" "$by"
    await "the capture's save and selection windows cover the screen" wait-capture 2
}

open_capture
import -window root "$out/capture_open.png"
xdotool key Escape
await "Esc closed the capture" capture-gone

# A selection from (930, 570) to (1090, 630): 160 x 60 across the fixture's
# colour edge at x 1000, dragged from the bottom-right corner up and left.
open_capture
move_to 1090 630
xdotool mousedown 1
for i in 1 2 3 4 5; do move_to $((1090 - 32 * i)) $((630 - 12 * i)); done
xdotool mouseup 1
import -window root "$out/capture_selected.png"
saved="$out/region.png"
rm -f "$saved"
move_to 1000 600
xdotool click --repeat 2 --delay 80 1
read -r dialog _ < <(probe window-of '#32770') || { echo "FAILED: no save dialog"; exit 1; }
check "the save dialog opened" test -n "$dialog"
xdotool type --delay 20 "Z:${saved//\//\\}"
xdotool key Return
await "the capture closed after the save" capture-gone
check "a file was written" test -s "$saved"
same "it is PNG data" "PNG 160x60" "$(identify -format '%m %wx%h' "$saved" 2>&1)"
same "left of the edge: the fixture's red" "srgb(200,30,60)" \
    "$(convert "$saved" -format '%[pixel:p{10,30}]' info: 2>&1)"
same "right of the edge: its green" "srgb(20,180,90)" \
    "$(convert "$saved" -format '%[pixel:p{150,30}]' info: 2>&1)"

# A double click where the cursor is, and the save dialog answered with the
# file; waits until the capture has closed.
save_by_double_click() {  # file
    rm -f "$1"
    xdotool click --repeat 2 --delay 80 1
    probe window-of '#32770' >/dev/null || { echo "FAILED: no save dialog"; failures=$((failures + 1)); return 1; }
    xdotool type --delay 20 "Z:${1//\//\\}"
    xdotool key Return
    await "the capture closed after the save" capture-gone
}

# Snapping: over the disabled button of another program's dialog the frame
# shows the button before any drag, and a double click without a drag saves
# exactly its pixels (those of a screenshot taken just before the capture).
wine "$fixture" dialog >/dev/null 2>&1 &
probe place TavrinFixtureDialog 940 60 300 240 >/dev/null || { echo "FAILED: the dialog did not appear"; exit 1; }
read -r button nx ny < <(probe child-of TavrinFixtureDialog 301)
read -r nl nt nw nh < <(probe window-rect "$button")
await "the dialog's button is painted" wait-pixel-other $((nl + 2)) $((nt + 2)) 0
move_to 600 900
import -window root "$out/before_snap.png"
open_capture
move_to "$nx" "$ny"
import -window root "$out/capture_snapped.png"
save_by_double_click "$out/snapped_button.png"
same "the snapped button is PNG data of its size" "PNG ${nw}x${nh}" \
    "$(identify -format '%m %wx%h' "$out/snapped_button.png" 2>&1)"
convert "$out/before_snap.png" -crop "${nw}x${nh}+${nl}+${nt}" +repage "$out/snapped_expected.png"
same "its pixels are the screenshot's" "0" \
    "$(compare -metric AE "$out/snapped_button.png" "$out/snapped_expected.png" null: 2>&1)"
probe end TavrinFixtureOwner

# Over Wine's notepad, which nobody here wrote: the saved region's pixels
# are those of a screenshot taken just before the capture.
wine notepad >/dev/null 2>&1 &
probe window-of Notepad >/dev/null || { echo "FAILED: notepad did not start"; exit 1; }
probe place Notepad 900 100 360 300 >/dev/null || { echo "FAILED: notepad could not be moved"; exit 1; }
read -r editor < <(probe descendant-class Notepad Edit)
read -r el et ew eh < <(probe window-rect "$editor")
click_at $((el + 40)) $((et + 40))
xdotool type --delay 10 "Tavrin region test 0123456789"
await "notepad shows the text" wait-text-of "$editor" "Tavrin region test 0123456789"
click_tab 2
move_to 600 900  # the cursor out of the way of the region
import -window root "$out/before_notepad.png"
open_capture
move_to 910 110
xdotool mousedown 1
for i in 1 2 3 4 5; do move_to $((910 + 60 * i)) $((110 + 30 * i)); done
xdotool mouseup 1
saved="$out/notepad_region.png"
rm -f "$saved"
move_to 1000 200
xdotool click --repeat 2 --delay 80 1
read -r dialog _ < <(probe window-of '#32770') || { echo "FAILED: no save dialog"; exit 1; }
xdotool type --delay 20 "Z:${saved//\//\\}"
xdotool key Return
await "the capture closed after the save" capture-gone
same "notepad's region is PNG data of the dragged size" "PNG 300x150" "$(identify -format '%m %wx%h' "$saved" 2>&1)"
convert "$out/before_notepad.png" -crop 300x150+910+110 +repage "$out/notepad_expected.png"
same "its pixels are the screenshot's" "0" \
    "$(compare -metric AE "$saved" "$out/notepad_expected.png" null: 2>&1)"

# The right button closes the selection window only; Esc the rest.
open_capture
move_to 600 500
xdotool click 3
await "the right button left the frozen screen alone" wait-capture 1
xdotool key Escape
await "Esc closed the frozen screen" capture-gone

exit $((failures > 0))
