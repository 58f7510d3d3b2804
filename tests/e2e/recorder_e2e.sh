#!/usr/bin/env bash
# End to end: "录制操作…" records real input (xdotool) on another program's
# form, the E code it writes is run by the tests' own E-code checker (which
# shares no code with the program) against a fresh copy of that program,
# and the fresh copy ends in the same state: clicks counted (a double click
# among them), the box checked, the text typed, the list and drop-down
# selections. Then "生成等待颜色的易代码": the colour picker picks the
# green of a square that turns from red to green; the code it writes, run
# by the checker against a fresh square, answers 假 while the square is
# still red and 真 once it turns.
#
# Usage: recorder_e2e.sh TAVRIN_EXE PROBE_EXE FIXTURE_EXE CHECK_EXE OUTPUT_DIR
set -u
exe=$1 PROBE=$2 fixture=$3 check=$4 out=$5
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

trap 'probe end TavrinFixtureForm; probe end TavrinFixtureSquare; probe close >/dev/null 2>&1' EXIT
wine "$exe" >/dev/null 2>&1 &
probe painted || { echo "FAILED: the main window did not appear"; exit 1; }
wine "$fixture" form >/dev/null 2>&1 &
recorded_form=$!
probe window-of TavrinFixtureForm >/dev/null || { echo "FAILED: the form did not start"; exit 1; }
probe place TavrinFixtureForm 10 20 320 280 >/dev/null

# The form's program becomes the target: the finder dragged onto its button.
read -r count cx cy < <(probe child-of TavrinFixtureForm 701)
read -r fx fy < <(probe finder)
drag "$fx" "$fy" "$cx" "$cy"
await "the panel shows the form's button" wait-text-at 140 42 "$count"

# The recorder's window, from the code box's menu.
click_tab 1
read -r bx by < <(probe point 300 152)
move_to "$bx" "$by"
xdotool click 3
choose_code_menu_item 录制操作… || { echo "FAILED: the code box's menu did not pop up"; exit 1; }
read -r _ sx sy < <(probe control-in 录制操作 开始录制) || { echo "FAILED: the recorder's window did not open"; exit 1; }
click_at "$sx" "$sy"

# What the user does in the form.
read -r _ cx cy < <(probe child-of TavrinFixtureForm 701)
read -r _ kx ky < <(probe child-of TavrinFixtureForm 702)
read -r edit ex ey < <(probe child-of TavrinFixtureForm 703)
read -r list lx ly < <(probe child-of TavrinFixtureForm 704)
read -r combo ox oy < <(probe child-of TavrinFixtureForm 705)
move_to "$cx" "$cy"
xdotool click --repeat 2 --delay 80 1               # a double click: two clicks counted
await "the double click counted" wait-form-state "count 2|0||-1|-1"
move_to $((cx + 10)) "$cy"
xdotool click 1
await "a third click" wait-form-state "count 3|0||-1|-1"
click_at "$kx" "$ky"
await "the box checked" wait-form-state "count 3|1||-1|-1"
click_at "$ex" "$ey"
xdotool type --delay 40 "hello Tavrin"
await "the text typed" wait-form-state "count 3|1|hello Tavrin|-1|-1"
read -r _ lt _ _ < <(probe window-rect "$list")
click_at "$lx" $((lt + 24))                          # the second item
await "beta chosen in the list" wait-form-state "count 3|1|hello Tavrin|1|-1"
click_at "$ox" "$oy"                                 # the drop-down opens
xdotool key --delay 120 Down Down Return
recorded=$(probe wait-form-state "count 3|1|hello Tavrin|1|1") || { echo "FAILED: the drop-down's choice: $recorded"; failures=$((failures + 1)); }
read -r _ tx ty < <(probe control-in 录制操作 停止录制)
click_at "$tx" "$ty"
read -r _ gx gy < <(probe control-in 录制操作 生成易代码)
click_at "$gx" "$gy"
import -window root "$out/recorder.png"

# The code, from the clipboard, run against a fresh form.
code="$out/replay.e.txt"
probe clipboard-text 回放操作 >"$code" || { echo "FAILED: no code on the clipboard"; exit 1; }
check "the code has a lookup per control and the replay" grep -q '.子程序 回放操作' "$code"
# The recorded form closes as a program ends (its window closed, its
# process to its end) before the fresh one starts. With the form killed
# instead, the replay now and then found nothing by the class name both
# forms register (FindWindowEx empty while the fresh form was there, a few
# seconds after the kill) and stopped at a control.
probe close-titled "Fixture Form" >/dev/null || echo "the recorded form did not close"
wait_exit "$recorded_form" >/dev/null
wine "$fixture" form >/dev/null 2>&1 &
probe window-of TavrinFixtureForm >/dev/null || { echo "FAILED: the fresh form did not start"; exit 1; }
same "the fresh form starts empty" "count 0|0||-1|-1" "$(probe form-state)"
replayed=$(wine "$check" --replay "$(winepath -w "$code")" | tr -d '\r')
echo "the checker: $replayed"
same "the replay brings the fresh form to the recorded state" "count 3|1|hello Tavrin|1|1" \
    "$(probe wait-form-state "count 3|1|hello Tavrin|1|1")" ||
    { echo "the windows then:"; probe top-levels; probe descendants TavrinFixtureForm; }

# A colour to wait for: the square's green, picked with the colour picker
# (the recorder's window, closed, leaves the tab strip free).
probe close-titled 录制操作 >/dev/null || { echo "FAILED: the recorder's window did not close"; failures=$((failures + 1)); }
wine "$fixture" square 500 >/dev/null 2>&1 &
read -r square qx qy _ < <(probe window-of TavrinFixtureSquare) || { echo "FAILED: the square did not start"; exit 1; }
await "the square turned green" wait-pixel "$qx" "$qy" $((30 + 180 * 256 + 60 * 65536))
click_tab 2
read -r px py < <(probe point 23 47)
drag "$px" "$py" "$qx" "$qy"
read -r nx ny < <(probe point 348 234)  # 更多格式
click_at "$nx" "$ny"
read -r _ wx wy < <(probe control-in 更多格式 生成等待颜色的易代码) || { echo "FAILED: the notation window did not open"; exit 1; }
click_at "$wx" "$wy"
colour_code="$out/wait_colour.e.txt"
probe clipboard-text "等待颜色" >"$colour_code" || { echo "FAILED: no wait code on the clipboard"; exit 1; }
probe end TavrinFixtureSquare
wine "$fixture" square 3000 >/dev/null 2>&1 &
probe window-of TavrinFixtureSquare >/dev/null || { echo "FAILED: the fresh square did not start"; exit 1; }
same "still red after 300 ms: 假" 假 "$(wine "$check" --wait-colour "$(winepath -w "$colour_code")" 300 8 | tr -d '\r')"
same "green within 10 s: 真" 真 "$(wine "$check" --wait-colour "$(winepath -w "$colour_code")" 10000 8 | tr -d '\r')"
import -window root "$out/wait_colour.png"

exit $((failures > 0))
