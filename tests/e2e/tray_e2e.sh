#!/usr/bin/env bash
# End to end: the tray icon, driven with real clicks on the icon Wine's tray
# shows. It is there once the program starts; a double click brings the
# minimised window back, centred and in front; a right click opens
# "托盘菜单" just left of and above the cursor, and its last item "退出" ends
# the program with exit code 0 and takes the icon away. Closing the window
# takes it away too.
#
# Usage: tray_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
# Needs the tests' Wine session: CTest runs it through scripts/lib/in-wine-session.
set -u
exe=$1 PROBE=$2 out=$3
mkdir -p "$out"
source "$(dirname "$0")/lib.sh"

await "no tray icon before the start" wait-tray-icons 0

wine "$exe" >/dev/null 2>&1 &
program=$!
probe window >/dev/null || { echo "FAILED: the main window did not appear"; kill $program; exit 1; }
read -r ix iy count < <(probe wait-tray-icons 1)
same "one tray icon after the start" 1 "${count:-0}"

if [ "${count:-0}" = 1 ]; then
    await "main window minimised" minimise
    move_to "$ix" "$iy"
    xdotool click 1  # a single click does nothing (the in-process tests check that)
    xdotool click --repeat 2 --delay 80 1
    check "a double click on the icon restores and centres the window" probe wait-centred

    move_to "$ix" "$iy"
    xdotool click 3
    read -r mx my mw mh < <(probe wait-menu)
    [ -n "${mh:-}" ] || import -window root "$out/tray_menu_missing.png"
    # The menu lies right-aligned 5 pixels left of the cursor, its top 5
    # pixels above it, unless the screen edge pushed it (the icon sits at the
    # top-left corner, so the system may move it right and down).
    echo "tray menu at $mx $my, $mw x $mh; cursor at $ix $iy"
    check "the tray menu popped up at the icon" test -n "${mh:-}"
    # Keys would reach Wine's tray window, which the click gave the X focus:
    # the last item, 退出, is clicked, 10 pixels above the menu's bottom edge.
    click_at $((mx + mw / 2)) $((my + mh - 10))
    wait_exit $program
    code=$?
    [ $code = 0 ] || import -window root "$out/tray_exit_missing.png"
    same "退出 ends the program with exit code 0" 0 $code
else
    kill $program
fi
await "no tray icon left after 退出" wait-tray-icons 0

wine "$exe" >/dev/null 2>&1 &
program=$!
await "tray icon shown again on the next start" wait-tray-icons 1
# The icon goes up while the window is made, before it is shown.
await "main window shown again" window
if check "closing the window ends the program with code 0" probe close; then
    wait $program 2>/dev/null
else
    kill $program
fi
await "no tray icon left after closing the window" wait-tray-icons 0
exit $((failures > 0))
