#!/usr/bin/env bash
# The tests' desktop stays for the whole session: Wine closes a desktop, and
# ends its explorer.exe, one second after the last program on it has ended,
# and a program started while it closes cannot make a window. Here no
# program of ours runs for three seconds (the explorer is watched from the
# Unix side, which is no program on the desktop): the explorer must stay.
#
# Usage: desktop_session_e2e.sh TAVRIN_EXE PROBE_EXE OUTPUT_DIR
set -u
PROBE=$2
source "$(dirname "$0")/lib.sh"

explorer_pid() { pgrep -f '^C:\\windows\\system32\\explorer\.exe /desktop$' | head -n 1; }

probe top-levels >/dev/null  # a program on the desktop: the desktop and its explorer are there
pid=$(explorer_pid)
check "the desktop's explorer runs" test -n "$pid"
[ -n "$pid" ] || exit 1
gone=""
for _ in $(seq 1 30); do
    kill -0 "$pid" 2>/dev/null || { gone=yes; break; }
    sleep 0.1
done
check "the desktop's explorer is still there three seconds after the last program ended" test -z "$gone"
exit $((failures > 0))
