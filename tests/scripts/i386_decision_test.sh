#!/usr/bin/env bash
# The decision of scripts/test about Wine's 32-bit half (ensure_wine32 in
# scripts/lib/common.sh), both ways, with the machine's answer faked and apt
# and dpkg replaced by stubs that keep what they were asked in files:
# nothing on this machine is changed. Strict (set -e) as scripts/test is:
# a failing apt must not end the decision half way.
set -eu
source "$(dirname "$0")/../../scripts/lib/common.sh"
failures=0
same() {  # description, expected, actual
    if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAILED: $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}

world=$(mktemp -d)
trap 'rm -rf "$world"' EXIT
I386_STATUS=$world/i386-status

# The stubs' world: whether Wine's 32-bit half is installed, which foreign
# architectures dpkg knows, whether apt's i386 index is stale, the calls.
wine32_installed() { [ -f "$world/installed" ]; }
i386_dpkg() {
    echo "dpkg $*" >>"$world/calls"
    case $1 in
        --print-foreign-architectures) cat "$world/architectures" 2>/dev/null ;;
        --add-architecture) echo "$2" >"$world/architectures" ;;
        --remove-architecture) rm -f "$world/architectures" ;;
    esac
}
i386_apt() {
    echo "apt $1" >>"$world/calls"
    if [ -f "$world/stale" ]; then  # as apt says it, with its status
        echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
        return 100
    fi
    [ "$1" = install ] && touch "$world/installed"
    return 0
}
decide() {  # faked answer; then the words installed, i386, stale for the world
    rm -f "$world"/*
    export TAVRIN_FAKE_I386=$1
    shift
    for fact in "$@"; do
        case $fact in
            installed) touch "$world/installed" ;;
            i386) echo i386 >"$world/architectures" ;;
            stale) touch "$world/stale" ;;
        esac
    done
    ensure_wine32
    status=$(cat "$I386_STATUS")
    calls=$(cat "$world/calls" 2>/dev/null | tr '\n' ';' || true)
    architectures=$(cat "$world/architectures" 2>/dev/null || true)
}

decide no
same "a machine that runs no 32-bit code: not run, and why" \
    "not run: this machine runs no 32-bit x86 code (faked: no 32-bit code)" "$status"
same "...and neither dpkg nor apt is asked" "" "$calls"

decide yes installed
same "Wine's 32-bit half already there: ready" ready "$status"
same "...and nothing is asked" "" "$calls"

decide yes
same "installed from verified indexes: ready" ready "$status"
same "...the architecture added, the indexes read, the package installed" \
    "dpkg --print-foreign-architectures;dpkg --add-architecture i386;apt update;apt install;" "$calls"
same "...the architecture stays" i386 "$architectures"

decide yes stale
case $status in
    "not run: the i386 packages could not be installed with verified indexes (apt: E: Failed to fetch "*"Mirror sync in progress?"*) said=yes ;;
    *) said=no ;;
esac
same "a stale index: not run, in apt's own words [$status]" yes "$said"
same "...the install still tried, the added architecture removed again" \
    "dpkg --print-foreign-architectures;dpkg --add-architecture i386;apt update;apt install;dpkg --remove-architecture i386;apt update;" "$calls"
same "...no i386 architecture left" "" "$architectures"

decide yes stale i386
same "an i386 architecture that was there before stays" i386 "$architectures"

exit $((failures > 0))
