#!/usr/bin/env bash
# End to end: super mode. Under Wine only a virtual desktop has an empty
# desktop that input reaches, so the program runs in one. The finder is
# dragged with real input onto the bare desktop: the finder window moves
# aside (15 pixels right of and below its usual place); releasing the button
# there makes the window the release happened over (the desktop) the target,
# taken from the input hook's record of the release.
#
# Usage: super_mode_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"
desktop=tavrin-e2e
probe() { wine "$PROBE" --desktop "$desktop" "$@" | tr -d '\r'; }

trap 'probe close >/dev/null 2>&1' EXIT
wine explorer /desktop=$desktop,1280x1024 "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear in the virtual desktop"; exit 1; }
desktop_window=$(probe desktop)
read -r fx fy < <(probe finder)
bare_x=1150 bare_y=900  # nothing but the desktop there

press_and_move "$fx" "$fy" "$bare_x" "$bare_y"
same "finder window moved aside in super mode" "$((bare_x + 1)) $((bare_y + 1))" \
    "$(probe wait-finder-window $((bare_x + 1)) $((bare_y + 1)))"
import -window root "$out/super_mode.png"
release
same "released-on window (the desktop) is the target" "$desktop_window" "$(probe wait-text-at 140 42 "$desktop_window")"
same "its class" "#32769" "$(probe wait-text-at 200 138 '#32769')"

exit $((failures > 0))
