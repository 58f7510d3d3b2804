#!/usr/bin/env bash
# End to end: on the "消息|代码" page, the message list's "常用消息" and its
# set-text message, sent with real input to Wine's notepad editor: notepad's
# text changes to the message's text parameter.
#
# Usage: messages_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

# Whatever this script starts ends with it.
trap 'probe end Notepad; probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
wine notepad >/dev/null 2>&1 &
probe window-of Notepad >/dev/null || { echo "FAILED: notepad did not start"; exit 1; }
probe place Notepad 940 60 330 300
editor=$(probe child-class Notepad Edit) || { echo "FAILED: no editor in notepad"; exit 1; }

# The second tab: the middle of the tab strip.
read -r tx ty tw th < <(probe tabstrip)
xdotool mousemove $((tx + tw / 2)) $((ty + th / 2)) click 1
sleep 0.3
same "category" "常用消息" "$(probe text-at 408 266)"
same "message" "更改控件内容" "$(probe text-at 500 266)"
same "text parameter" "Tavrin编程助手" "$(probe text-at 172 362)"

# The editor's handle typed into the handle box, then "发出消息".
read -r hx hy < <(probe point 208 290)
xdotool mousemove "$hx" "$hy" click 1 key End shift+Home BackSpace type --delay 20 "$editor"
read -r bx by < <(probe point 372 355)
xdotool mousemove "$bx" "$by" click 1
sleep 0.5
import -window root "$out/messages.png"
same "notepad's text changed" "Tavrin编程助手" "$(probe text-of "$editor")"
same "status" "消息发送成功！" "$(probe text-at 432 308 | tr -d '\n')"
same "return value" "1" "$(probe text-at 524 354)"

exit $((failures > 0))
