#!/usr/bin/env bash
# End to end: the real Tavrin.exe started under Wine appears with its exact
# title, paints its finder, shows the three page captions in Chinese (read
# from the tab control and recognised on a screenshot), and ends when its
# window is closed.
#
# Usage: main_window_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
# Needs the tests' Wine session: CTest runs it through scripts/lib/in-wine-session.
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

wine "$exe" >/dev/null 2>&1 &
program=$!

geometry=$(probe window) || { echo "FAILED: the main window did not appear"; kill $program; exit 1; }
echo "main window: $geometry"
check "finder board painted" probe painted
check "outer size 565 x 436 at 96 DPI" grep -q ' 565 436 dpi 96$' <<<"$geometry"

captions=$(probe tabs)
expected=$'窗口分析\n消息|代码\n取点取色'
check "tab captions read from the tab control" test "$captions" = "$expected"

# The X window carries the exact title too (Wine sets it from the window text).
x_title() { for id in $(xdotool search --name '^Tavrin'); do xdotool getwindowname "$id"; done; }
check "title on the X window" grep -qx 'Tavrin编程助手1.1' < <(x_title)

import -window root "$out/screenshot.png"
read -r x y w h < <(probe tabstrip)
convert "$out/screenshot.png" -crop "${w}x${h}+${x}+${y}" -filter lanczos -resize 500% -colorspace gray "$out/tabs.png"
recognised=$(tesseract "$out/tabs.png" - -l chi_sim --psm 7 2>/dev/null | tr -d ' ')
echo "recognised on the screenshot: $recognised"
for caption in 窗口分析 消息 代码 取点取色; do
    check "screenshot shows $caption" grep -q "$caption" <<<"$recognised"
done

check "closing the window ends the program with code 0" probe close
wait $program 2>/dev/null
echo "screenshot: $out/screenshot.png"
exit $((failures > 0))
