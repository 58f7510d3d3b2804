#!/usr/bin/env bash
# End to end: the real Tavrin.exe, the finder dragged with real input onto a
# button of another program and released: the panel shows the button, the
# tree is rebuilt with the button's item bold. Then the same over Wine's own
# notepad, which nobody here wrote.
#
# Usage: capture_e2e.sh TAVRIN_EXE PROBE_EXE FIXTURE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 fixture=$3 out=$4
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

# Whatever this script starts ends with it.
trap 'probe end Notepad; probe end TavrinFixtureRoot; probe close >/dev/null 2>&1' EXIT
wine "$fixture" hierarchy >/dev/null 2>&1 &
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }

# Box centres on the "窗口分析" page (96-DPI client points).
handle_box="140 42"; title_box="200 114"; class_box="200 138"; path_box="200 186"

read -r button bx by < <(probe child-of TavrinFixtureRoot 101 111)
read -r fx fy < <(probe finder)
drag "$fx" "$fy" "$bx" "$by"
same "handle box holds the button's handle" "$button" "$(probe wait-text-at $handle_box "$button")"
same "class box" "Button" "$(probe wait-text-at $class_box Button)"
same "title box" "A1 button" "$(probe wait-text-at $title_box "A1 button")"
import -window root "$out/after_button.png"
# The tree is rebuilt on a worker thread.
same "tree rebuilt with the button's item bold" "bold $button|Button|A1 button" \
    "$(probe wait-tree-selected "bold $button|Button|A1 button")"

# The search box finds items by class name: "Fixture" is in the root's class
# (TavrinFixtureRoot) and in A's (FixtureA); a third press wraps around.
read -r sx sy < <(probe point 432 42)
read -r gx gy < <(probe point 532 42)
click_at "$sx" "$sy"
await "search box focused by the click" wait-focus 432 42
xdotool type --delay 20 Fixture
same "search text typed" "Fixture" "$(probe wait-text-at 432 42 Fixture)"
move_to "$gx" "$gy"
found=()
for ending in "|TavrinFixtureRoot|Fixture Root" "|FixtureA|Child A" "|TavrinFixtureRoot|Fixture Root"; do
    xdotool click 1
    found+=("$(probe wait-tree-selected "$ending")")
done
check "first match is the root's item" grep -q '^normal \[fixture_app.exe\].*|TavrinFixtureRoot|Fixture Root$' <<<"${found[0]}"
check "next match is A's item" grep -q '|FixtureA|Child A$' <<<"${found[1]}"
same "third press wraps around to the root's item" "${found[0]}" "${found[2]}"

# Wine's notepad, moved beside the main window.
wine notepad >/dev/null 2>&1 &
probe window-of Notepad >/dev/null || { echo "FAILED: notepad did not start"; exit 1; }
probe place Notepad 940 60 330 300 || { echo "FAILED: notepad could not be moved"; exit 1; }
read -r notepad _ _ cx cy title < <(probe window-of Notepad)
read -r fx fy < <(probe finder)
drag "$fx" "$fy" "$cx" "$cy"
same "handle box holds notepad's window" "$notepad" "$(probe wait-text-at $handle_box "$notepad")"
same "class box" "Notepad" "$(probe wait-text-at $class_box Notepad)"
same "title box" "$title" "$(probe wait-text-at $title_box "$title")"
path=$(probe wait-text-at --ending $path_box notepad.exe)
check "program path ends in notepad.exe ($path)" grep -qi 'notepad\.exe$' <<<"$path"
import -window root "$out/after_notepad.png"

exit $((failures > 0))
