#!/usr/bin/env bash
# End to end: the finder dragged onto the find box of notepad's Find dialog,
# the code box's context menu asked for the code that finds that window
# again, and a program of its own (e_code_check) runs that code with the
# Windows API: it finds the same window.
#
# Usage: lookup_e2e.sh TAVRIN_EXE PROBE_EXE LOOKUP_CHECK_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 check=$3 out=$4
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end Notepad; probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
notepad_with_find_dialog >/dev/null || { echo "FAILED: notepad's Find dialog did not open"; exit 1; }
read -r findBox < <(probe descendant-class '#32770' Edit)
read -r l t w h < <(probe window-rect "$findBox")
read -r fx fy < <(probe finder)
drag "$fx" "$fy" $((l + w / 2)) $((t + h / 2))
same "the panel shows the find box" "$findBox" "$(probe wait-text-at 140 42 "$findBox")"

click_tab 1
same "the message page's handle box follows" "$findBox" "$(probe wait-text-at 208 290 "$findBox")"
read -r cx cy < <(probe point 300 152)
move_to "$cx" "$cy"
xdotool click 3
choose_code_menu_item 生成查找当前窗口的代码 || { echo "FAILED: the code box's menu did not pop up"; exit 1; }

code="$out/lookup.e.txt"
found=$(wine "$check" "$(winepath -w "$code")" | tr -d '\r')
same "the lookup code finds the find box" "$findBox" "$found"
id=$(probe facts "$findBox" | sed -n 6p | cut -f2)
check "the code names the dialog's class" grep -q '"#32770"' "$code"
check "the code names the find box's class" grep -q '"Edit"' "$code"
check "the code names the find box's id $id" grep -q "控件ID $id" "$code"
import -window root "$out/lookup.png"

exit $((failures > 0))
