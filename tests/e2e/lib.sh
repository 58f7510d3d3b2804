# Helpers of the end-to-end scripts: checks that count failures, and real
# input through xdotool. Source it; it needs the Wine session of
# scripts/test and sets `failures`.
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
    fi
}

# Presses the left button at (x1, y1) and moves in steps to (x2, y2),
# keeping the button down; `release` lets it go.
press_and_move() {
    local x1=$1 y1=$2 x2=$3 y2=$4 i
    xdotool mousemove "$x1" "$y1" mousedown 1
    sleep 0.2
    for i in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((x1 + (x2 - x1) * i / 10)) $((y1 + (y2 - y1) * i / 10))
        sleep 0.03
    done
    sleep 0.5
}
release() {
    xdotool mouseup 1
    sleep 0.5
}
# A whole drag: press, move, release.
drag() {
    press_and_move "$@"
    release
}

# Runs the probe with the arguments; its output without CR.
probe() { wine "$PROBE" "$@" | tr -d '\r'; }
