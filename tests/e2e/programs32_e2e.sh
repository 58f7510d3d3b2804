#!/usr/bin/env bash
# End to end against 32-bit programs, which is what our users' programs are
# (the E compiler makes 32-bit executables): the fixture and the E-code
# checker built by the i686 compiler, and Wine's 32-bit notepad, beside the
# program (64-bit) and the probe (64-bit, reading on its own):
#   - the finder dragged onto a control of the 32-bit fixture and onto
#     32-bit notepad's editor: every panel field matches the probe's reading
#   - the 32-bit fixture's process paused through 暂停 and resumed by 恢复
#   - a text sent to 32-bit notepad's editor (WM_SETTEXT) and read back
#     (WM_GETTEXT)
#   - a message that takes the address of a structure (LVM_GETITEMTEXTW to
#     the 32-bit fixture's list view) refused with its status
#   - the lookup code for a control of the 32-bit fixture found again by the
#     32-bit checker
#   - 窗口动态… on 32-bit notepad: a key and its Find dialog made and gone
# Where this cannot run (no Wine 32-bit half, no i686 compiler), it says
# why and exits with 77, which CTest shows as skipped. With
# TAVRIN_32BIT_STANDIN=1 the 64-bit fixture, checker and notepad take the
# 32-bit ones' places: a way to try the script's steps on a machine without
# Wine's 32-bit half (it proves nothing about 32-bit programs).
#
# Usage: programs32_e2e.sh TAVRIN_EXE PROBE_EXE FIXTURE32 CHECK32 FIXTURE64 OUTPUT_DIR
set -u
exe=$1 PROBE=$2 fixture=$3 check=$4 fixture64=$5 out=$6
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

skip() {
    echo "SKIPPED: the 32-bit group was not run: $*"
    exit 77
}
if [ -n "${TAVRIN_32BIT_STANDIN:-}" ]; then
    fixture=$fixture64 check=$(dirname "$fixture64")/e_code_check.exe notepad=notepad
    echo "stand-in: the 64-bit programs in the 32-bit ones' places"
else
    { [ -f "$fixture" ] && [ -f "$check" ]; } ||
        skip "the i686 compiler (g++-mingw-w64-i686) was not there when the build was configured"
    if ! wine32_installed; then
        why=$(cat "$I386_STATUS" 2>/dev/null)
        skip "${why#not run: }${why:+ }(Wine's 32-bit half, wine32:i386, is not installed)"
    fi
    [ -f "$WINEPREFIX/drive_c/windows/syswow64/notepad.exe" ] ||
        skip "the Wine prefix $WINEPREFIX has no 32-bit programs (made before wine32 was installed)"
    notepad='C:\windows\syswow64\notepad.exe'
fi

trap 'probe end TavrinFixtureRoot; probe end TavrinFixtureCounter; probe end TavrinFixtureList; probe end Notepad;
      probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
wine "$fixture" hierarchy >/dev/null 2>&1 &
wine "$fixture" counters >/dev/null 2>&1 &
wine "$fixture" listview >/dev/null 2>&1 &
wine "$notepad" >/dev/null 2>&1 &
for class in TavrinFixtureRoot TavrinFixtureCounter TavrinFixtureList Notepad; do
    probe window-of "$class" >/dev/null || { echo "FAILED: $class did not start"; exit 1; }
done
# Around the main window, which stands in the middle of the screen.
probe place TavrinFixtureRoot 10 20 330 260 >/dev/null
probe place TavrinFixtureList 10 740 330 240 >/dev/null
probe place Notepad 940 20 330 300 >/dev/null
probe place TavrinFixtureCounter 940 760 300 150 >/dev/null

# Every panel field against the probe's own reading.
read -r button _ < <(probe child-of TavrinFixtureRoot 101 111)
editor=$(probe child-class Notepad Edit)
read -r counter _ < <(probe window-of TavrinFixtureCounter)
for target in "fixture's button|$button" "notepad's editor|$editor" "notepad|$(probe window-of Notepad | cut -d' ' -f1)"; do
    name=${target%%|*} handle=${target#*|}
    [ -n "$handle" ] || { echo "FAILED: $name not found"; failures=$((failures + 1)); continue; }
    pick "$name" "$handle" && compare_panel "$name" "$handle"
done
echo "32-bit targets: $panel_matched of $panel_total fields match"

# 窗口动态… on 32-bit notepad: a key typed and its Find dialog made and
# closed, each in the log once.
if open_activity_log; then
    read -r l t w h < <(probe window-rect "$editor")
    click_at $((l + w / 2)) $((t + h / 2))
    xdotool type --delay 60 "q"
    xdotool key ctrl+f
    read -r dialog _ < <(probe window-of '#32770')
    await "the dialog made, in the log after the key" wait-log 窗口动态 "按下 Q" "创建  $dialog（#32770）"
    xdotool key Escape
    log=$(probe wait-log 窗口动态 "创建  $dialog（#32770）" "销毁  $dialog（#32770）") ||
        { echo "FAILED: the dialog's going is not in the log: $log"; failures=$((failures + 1)); }
    check "the dialog made once" test "$(grep -c "创建  $dialog（#32770）" <<<"$log")" -eq 1
    await "the activity window closed" close-titled 窗口动态
fi

# The process paused and resumed through the process id's menu: its second
# item is 暂停, then 恢复.
choose_process_item() {  # the item's place in the menu, from 1
    local bx by ml mt mw mh
    read -r bx by < <(probe point 204 42)
    click_at "$bx" "$by"
    read -r ml mt mw mh < <(probe wait-menu) || { echo "FAILED: the process id's menu did not pop up"; return 1; }
    click_at $((ml + mw / 2)) $((mt + mh * (2 * $1 - 1) / 6))
    await "the menu closed" menu-gone
}
if pick "counting window" "$counter"; then
    choose_process_item 2
    same "暂停 suspends the 32-bit process" ok "$(probe wait-suspended "$counter" yes >/dev/null && echo ok)"
    choose_process_item 2
    same "恢复 lets it run again" ok "$(probe wait-suspended "$counter" no >/dev/null && echo ok)"
fi

# On "消息|代码": the handle typed into the handle box, a message sent.
click_tab 1
type_into() {  # x y text: the box at the 96-DPI client point, emptied and typed into
    local x y
    read -r x y < <(probe point "$1" "$2")
    click_at "$x" "$y"
    await "box at $1,$2 focused by the click" wait-focus "$1" "$2"
    xdotool key End shift+Home BackSpace
    await "box at $1,$2 emptied" wait-text-at "$1" "$2" ""
    xdotool type --delay 20 "$3"
    same "typed into the box at $1,$2" "$3" "$(probe wait-text-at "$1" "$2" "$3")"
}
send() {
    local x y
    read -r x y < <(probe point 372 355)
    click_at "$x" "$y"
}
type_into 208 290 "$editor"
same "message 更改控件内容 chosen" 更改控件内容 "$(probe wait-text-at 500 266 更改控件内容)"
send
same "WM_SETTEXT set 32-bit notepad's text" Tavrin编程助手 "$(probe wait-text-of "$editor" Tavrin编程助手)"
same "status" 消息发送成功！ "$(probe wait-text-at 432 308 消息发送成功！)"
# The next message of the list, 取控件内容 (WM_GETTEXT), from the keyboard.
read -r mx my < <(probe point 500 266)
click_at "$mx" "$my"
xdotool key Down Return
same "message 取控件内容 chosen" 取控件内容 "$(probe wait-text-at 500 266 取控件内容)"
send
same "WM_GETTEXT read the text back" Tavrin编程助手 "$(probe wait-text-at 432 308 Tavrin编程助手)"

# LVM_GETITEMTEXTW (4211) takes the address of a structure in the target:
# refused for the 32-bit list view too.
list=$(probe child-class TavrinFixtureList SysListView32)
type_into 208 290 "$list"
type_into 208 314 4211
send
refusal="提示：LVM_GETITEMTEXTW 的参数二是目标程序里一个结构的地址，本程序给的值对目标没有意义，消息未发出！"
same "a pointer message is refused" "$refusal" "$(probe wait-text-at 432 308 "$refusal")"

# The lookup code for the fixture's button, found again by the 32-bit
# checker (it waits for the code on the clipboard).
type_into 208 290 "$button"
read -r cx cy < <(probe point 300 152)
move_to "$cx" "$cy"
xdotool click 3
choose_code_menu_item 生成查找当前窗口的代码 || { echo "FAILED: the code box's menu did not pop up"; exit 1; }
found=$(wine "$check" "$(winepath -w "$out/lookup32.e.txt")" | tr -d '\r')
same "the 32-bit checker finds the button with the lookup code" "$button" "$found"
import -window root "$out/programs32.png"

exit $((failures > 0))
