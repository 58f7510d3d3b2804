#!/usr/bin/env bash
# End to end: numbers typed with real keys into the chosen colour's boxes on
# "取点取色" stay as typed while the box has the focus (a leading zero, an
# empty box) and mean what they say: "012" in R1 is 12, R1 emptied and then
# 5 is 5, G1 emptied and then 7 is 7, the colour value emptied and then 255
# is 255, "0255" is 255; Enter shows the number's own text.
#
# Usage: colour_typing_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
click_tab 2

# 96-DPI client points of the boxes.
value_box="348 98"; r_box="424 98"; g_box="480 98"; b_box="536 98"; hex_box="476 234"
focus() {  # box point
    local x y
    read -r x y < <(probe point $1 $2)
    click_at "$x" "$y"
    await "box at $1,$2 has the focus" wait-focus $1 $2
}
keys() { xdotool key --delay 40 "$@"; }
typed() { xdotool type --delay 60 "$1"; }

# "012" into R1 (G1 = B1 = 0).
focus $value_box
keys End shift+Home
typed 0
focus $r_box
keys End shift+Home
typed 012
same "R1 keeps what was typed" "012" "$(probe wait-text-at $r_box 012)"
same "012 in R1 is 12" "12" "$(probe wait-text-at $value_box 12)"
keys Return
same "Enter shows R1's own number" "12" "$(probe wait-text-at $r_box 12)"

# R1 holding 18: End, BackSpace twice, then 5.
keys End shift+Home
typed 18
same "R1 reads 18" "18" "$(probe wait-text-at $value_box 18)"
keys End BackSpace BackSpace
same "R1 emptied stays empty" "" "$(probe wait-text-at $r_box '')"
typed 5
same "then 5 in R1 is 5" "5" "$(probe wait-text-at $r_box 5)"
same "the colour is 5" "5" "$(probe wait-text-at $value_box 5)"

# G1: select all, Delete, then 7.
focus $g_box
keys End shift+Home Delete
same "G1 emptied stays empty" "" "$(probe wait-text-at $g_box '')"
typed 7
same "then 7 in G1 is 7" "7" "$(probe wait-text-at $g_box 7)"
same "the colour is 5 + 7 x 256" "$((5 + 7 * 256))" "$(probe wait-text-at $value_box $((5 + 7 * 256)))"

# The colour value: BackSpace until empty, then 2 5 5.
focus $value_box
keys End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace
same "the colour value emptied stays empty" "" "$(probe wait-text-at $value_box '')"
same "an empty colour value is black" "0" "$(probe wait-text-at $g_box 0)"
typed 255
same "then 255 is 255" "255" "$(probe wait-text-at $value_box 255)"
same "R1 of 255" "255" "$(probe wait-text-at $r_box 255)"

# With a leading zero.
keys End shift+Home
typed 0255
same "the colour value keeps its leading zero while typed" "0255" "$(probe wait-text-at $value_box 0255)"
same "0255 is 255 (16进制)" "FF0000" "$(probe wait-text-at $hex_box FF0000)"
same "B1 of 0255" "0" "$(probe wait-text-at $b_box 0)"
keys Return
same "Enter shows the colour value's own number" "255" "$(probe wait-text-at $value_box 255)"
import -window root "$out/colour_typed.png"

exit $((failures > 0))
