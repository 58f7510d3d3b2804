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
probe place Notepad 940 60 330 300 || { echo "FAILED: notepad could not be moved"; exit 1; }
editor=$(probe child-class Notepad Edit) || { echo "FAILED: no editor in notepad"; exit 1; }

# The second tab.
click_tab 1
same "category" "常用消息" "$(probe wait-text-at 408 266 常用消息)"
same "message" "更改控件内容" "$(probe wait-text-at 500 266 更改控件内容)"
same "text parameter" "Tavrin编程助手" "$(probe wait-text-at 172 362 Tavrin编程助手)"

# The editor's handle typed into the handle box, then "发出消息".
read -r hx hy < <(probe point 208 290)
click_at "$hx" "$hy"
await "handle box focused by the click" wait-focus 208 290
xdotool key End shift+Home BackSpace
await "handle box emptied" wait-text-at 208 290 ""
xdotool type --delay 20 "$editor"
same "handle typed" "$editor" "$(probe wait-text-at 208 290 "$editor")"
read -r bx by < <(probe point 372 355)
click_at "$bx" "$by"
same "notepad's text changed" "Tavrin编程助手" "$(probe wait-text-of "$editor" Tavrin编程助手)"
same "status" "消息发送成功！" "$(probe wait-text-at 432 308 消息发送成功！)"
same "return value" "1" "$(probe wait-text-at 524 354 1)"
import -window root "$out/messages.png"

exit $((failures > 0))
