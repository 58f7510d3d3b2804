#!/usr/bin/env bash
# End to end: "窗口动态…" on Wine's notepad, with real input. The finder is
# dragged onto notepad's edit, the log opened from the `下拉其它操作` menu;
# a click and keys in notepad, its Find dialog opened (an owned dialog:
# made, the foreground, the focus in it) and closed (gone with its
# controls) all appear in the log, in that order, beside the input.
#
# Usage: activity_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end Notepad; probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
wine notepad >/dev/null 2>&1 &
read -r notepad _ < <(probe window-of Notepad) || { echo "FAILED: notepad did not start"; exit 1; }
probe place Notepad 640 40 600 300 >/dev/null
read -r editor < <(probe descendant-class Notepad Edit) || { echo "FAILED: notepad has no edit"; exit 1; }
pick "notepad's edit" "$editor"

open_activity_log || exit 1

# What the user does in notepad.
read -r l t w h < <(probe window-rect "$editor")
click_at $((l + w / 2)) $((t + h / 2))
xdotool type --delay 60 "ab"
xdotool key ctrl+f
read -r dialog _ < <(probe window-of '#32770') || { echo "FAILED: the Find dialog did not open"; exit 1; }
log=$(probe wait-log 窗口动态 "鼠标  $editor（Edit）  左键按下" "按键  $editor（Edit）" "按下 A" "按下 B" \
          "创建  $dialog（#32770）" "前台  $dialog（#32770）") \
    || { echo "FAILED: the click, the keys and the dialog's making are not in the log: $log"; failures=$((failures + 1)); }
import -window root "$out/activity.png"
xdotool key Escape
# (notepad hides the dialog first; the foreground moves back to notepad
# with the hiding or the going, whichever a look sees first)
await "notepad in the foreground again" wait-log 窗口动态 "创建  $dialog（#32770）" "前台  $notepad（Notepad）"
log=$(probe wait-log 窗口动态 "创建  $dialog（#32770）" "销毁  $dialog（#32770）" "连同 " "个子窗口") \
    || { echo "FAILED: the dialog's going is not in the log: $log"; failures=$((failures + 1)); }
echo "$log"
check "each change once: the dialog made once" test "$(grep -c "创建  $dialog（#32770）" <<<"$log")" -eq 1
check "each change once: the dialog gone once" test "$(grep -c "销毁  $dialog（#32770）" <<<"$log")" -eq 1

# Closing the log leaves the program answering.
probe close-titled 窗口动态 >/dev/null || { echo "FAILED: the activity window did not close"; failures=$((failures + 1)); }
probe painted >/dev/null || { echo "FAILED: the main window stopped answering"; failures=$((failures + 1)); }
exit $((failures > 0))
