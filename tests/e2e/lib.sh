# Helpers of the end-to-end scripts: checks that count failures, and real
# input through xdotool, each step followed by a wait for what it causes.
# Source it; it needs the tests' Wine session (CTest runs the scripts
# through in-wine-session) and sets `failures`.
failures=0
set -o pipefail  # a probe's failure counts through its output filter

check() {  # description, then the command
    local what=$1
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

same() {  # description, expected, actual
    if [ "$2" = "$3" ]; then
        echo "ok: $1"
    else
        echo "FAILED: $1: expected [$2], got [$3]"
        failures=$((failures + 1))
        return 1
    fi
}

# shellcheck source=../../scripts/lib/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"

# Every Windows program these scripts start (the program, the probe, the
# fixture, Wine's own programs) is started again when Wine did not start it
# (see run_windows_program): a script asks the probe hundreds of times, and
# one silent miss would read as an empty box.
wine() { run_windows_program "$@"; }

# Runs the probe with the arguments; its output without CR.
probe() { wine "$PROBE" "$@" | tr -d '\r'; }

# A probe wait that input has to be followed by: when its condition never
# holds, it counts as a failure, named by the description.
await() {  # description, then the probe's arguments
    local what=$1
    shift
    probe "$@" >/dev/null && return 0
    echo "FAILED: $what"
    failures=$((failures + 1))
    return 1
}

# Waits up to 15 s for a background process of this script to end and
# gives its exit code; one that has not ended by then is killed (code 124),
# so that a missed input fails the test instead of hanging it.
wait_exit() {  # pid
    local i
    for i in $(seq 1 150); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1" 2>/dev/null
        wait "$1" 2>/dev/null
        return 124
    fi
    wait "$1"
}

# Moves the cursor to the screen point and waits until it is there.
move_to() {  # x y
    xdotool mousemove "$1" "$2"
    probe wait-cursor "$1" "$2" >/dev/null && return 0
    # Once seen on a loaded machine: the pointer never got there. The move
    # is asked for once more before the step counts as failed.
    echo "note: the cursor did not arrive at $1,$2; moving it again"
    xdotool mousemove "$1" "$2"
    await "cursor arrived at $1,$2" wait-cursor "$1" "$2"
}

# A left click at the screen point, the cursor first moved there; the caller
# waits for what the click does.
click_at() {  # x y
    move_to "$1" "$2"
    xdotool click 1
}

# Presses the left button on the finder board at (x1, y1), which picks up the
# finder window, and moves in steps to (x2, y2), keeping the button down;
# `release` lets it go.
press_and_move() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    move_to "$x1" "$y1"
    xdotool mousedown 1
    await "finder window shown after the press" wait-finder-window
    for i in 1 2 3 4 5 6 7 8 9 10; do
        move_to $((x1 + (x2 - x1) * i / 10)) $((y1 + (y2 - y1) * i / 10))
    done
}
# Releases the button; the capture ends with the finder window.
release() {
    xdotool mouseup 1
    await "capture ended after the release (finder window gone)" finder-window-gone
}
# A whole drag of the finder: press, move, release.
drag() {
    press_and_move "$@"
    release
}

# Starts Wine's notepad beside the main window and opens its Find dialog
# from the keyboard; prints the dialog's handle.
notepad_with_find_dialog() {
    local editor l t w h dialog
    wine notepad >/dev/null 2>&1 &
    probe window-of Notepad >/dev/null || return 1
    probe place Notepad 940 40 330 300 >/dev/null || return 1
    read -r editor < <(probe descendant-class Notepad Edit) || return 1
    read -r l t w h < <(probe window-rect "$editor")
    click_at $((l + w / 2)) $((t + h / 2)) >/dev/null
    xdotool key ctrl+f
    read -r dialog _ < <(probe window-of '#32770') || return 1
    read -r _ _ w h < <(probe window-rect "$dialog")
    probe place "$dialog" $((1270 - w)) 760 "$w" "$h" >/dev/null || return 1  # below the main window
    echo "$dialog"
}

# Clicks the tab of a page (0, 1, 2). The release over the tab strip pops up
# the "官网" menu; it is closed before anything else is clicked: a click
# while it goes away is only half delivered (the release is lost and the
# pressed control keeps the mouse).
click_tab() {  # page
    local tx ty tw th
    read -r tx ty tw th < <(probe tabstrip)
    click_at $((tx + tw * (2 * $1 + 1) / 6)) $((ty + th / 2))
    await "the 官网 menu popped up on the release over the tab strip" wait-menu
    xdotool key Escape
    await "the 官网 menu closed" menu-gone
}

# Chooses an item of the code box's context menu (open, and closed
# afterwards): the last item, 录制操作…, by a click on it; the one before it,
# 生成查找当前窗口的代码, with the cursor on the last item and the Up key
# (another program cannot ask where a menu's items are, and a click lands
# where it is aimed, keys only once the menu runs).
choose_code_menu_item() {  # caption
    local ml mt mw mh
    read -r ml mt mw mh < <(probe wait-menu) || return 1
    move_to $((ml + 30)) $((mt + mh - 8))
    case $1 in
        录制操作…) xdotool click 1 ;;
        生成查找当前窗口的代码) xdotool key Up Return ;;
        *) echo "choose_code_menu_item: no way to the item $1" >&2; return 1 ;;
    esac
    await "the code box's menu closed" menu-gone
}

# Opens 窗口动态… for the current target: the last item of 其它操作's menu,
# clicked; waits until the log's window is there.
open_activity_log() {
    local bx by ml mt mw mh
    read -r bx by < <(probe point 76 362)
    click_at "$bx" "$by"
    read -r ml mt mw mh < <(probe wait-menu) || { echo "FAILED: the menu of 其它操作 did not pop up"; return 1; }
    move_to $((ml + 30)) $((mt + mh - 8))
    xdotool click 1
    await "the menu closed" menu-gone
    probe control-in 窗口动态 暂停 >/dev/null || { echo "FAILED: the activity window did not open"; return 1; }
}

# The panel's fields, in the order in which "probe facts" reads them.
PANEL_FIELDS=(handle parent top-level process thread id title class content path
              mouse-x mouse-y in-window-x in-window-y left top control-left control-top width height
              client-width client-height)
panel_total=0 panel_matched=0

# Drags the finder onto a window (a top-level window by its caption, a
# control by its middle) and waits until the panel shows it.
pick() {  # name, handle
    local l t w h y fx fy
    read -r l t w h < <(probe window-rect "$2")
    y=$((t + h / 2))
    probe top-levels | grep -q "^$2 " && y=$((t + 8))
    read -r fx fy < <(probe finder)
    drag "$fx" "$fy" $((l + w / 2)) "$y"
    await "$1: the panel shows it" wait-text-at 140 42 "$2"
}

# Compares every field of the panel with what the probe reads of the window
# on its own; counts into panel_total and panel_matched, and prints the
# matches and each miss. The panel changes all its boxes in one step, the
# handle box with them: once it shows the handle, every box shows that
# window.
compare_panel() {  # name, handle
    local facts point value shown i=0 good=0 misses=()
    facts=$(probe facts "$2")
    while IFS=$'\t' read -r point value; do
        shown=$(probe text-at $point)
        if [ "${PANEL_FIELDS[$i]}" = path ]; then  # the file system ignores case
            shown=${shown,,} value=${value,,}
        fi
        if [ "$shown" = "$value" ]; then
            good=$((good + 1))
        else
            misses+=("${PANEL_FIELDS[$i]}: shown [$shown], read [$value]")
        fi
        i=$((i + 1))
    done <<<"$facts"
    panel_total=$((panel_total + i)) panel_matched=$((panel_matched + good))
    echo "$1: $good of $i fields match"
    for miss in "${misses[@]}"; do echo "FAILED: $1: $miss"; failures=$((failures + 1)); done
}
