# Shared by the scripts of this folder: packages, builds and a private Wine
# session (its own Xvfb display, its own prefix, one persistent wineserver).
# Source it; it defines functions only.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

log() { printf '%s\n' "== $*" >&2; }
die() { printf '%s\n' "error: $*" >&2; exit 1; }

# Debian packages every build and test needs; installs only what is missing.
REQUIRED_PACKAGES=(locales cmake ninja-build g++ libgtest-dev googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686
                   wine wine64 xvfb xdotool imagemagick fonts-wqy-microhei
                   tesseract-ocr tesseract-ocr-chi-sim
                   clang pkg-config libjpeg62-turbo-dev libcapstone-dev)

[ "$(id -u)" -ne 0 ] && SUDO=sudo

ensure_packages() {
    local missing=() p sudo=${SUDO:-}
    for p in "${REQUIRED_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        log "installing ${missing[*]}"
        # An index that cannot be fetched now (a mirror in the middle of a
        # sync) is reported and left out: what is needed may well be in the
        # others, and the install says whether it was.
        $sudo apt-get update -qq || log "apt-get update could not fetch every index"
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
            || die "apt-get install ${missing[*]} failed"
    fi
    # Wine takes its code page from the Unix locale: Chinese (936) needs it.
    if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
        log "generating the zh_CN.UTF-8 locale"
        $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || die "localedef zh_CN.UTF-8 failed"
    fi
}

# --- Wine's 32-bit half --------------------------------------------------------
# Our users' programs are 32-bit (the E compiler makes 32-bit executables),
# so a group of end-to-end tests runs against 32-bit programs. It needs
# Wine's 32-bit half, and machines differ: some execute 32-bit x86 code and
# some refuse it, and the package archive's i386 indexes have been seen
# stale. ensure_wine32 decides, in seconds and before anything else, and
# writes the outcome to I386_STATUS: "ready", or "not run: " and why. The
# group's tests read it and show as skipped; scripts/test ends with it.
I386_STATUS=$REPO_ROOT/build/i386-status

# apt and dpkg as ensure_wine32 runs them (the decision's test puts stubs
# in their place).
i386_apt() { DEBIAN_FRONTEND=noninteractive ${SUDO:-} apt-get "$@"; }
i386_dpkg() { ${SUDO:-} dpkg "$@"; }

# Whether this machine executes 32-bit x86 code: a 32-bit ELF program of 96
# bytes that exits with status 42 tells. On failure prints what happened.
# TAVRIN_FAKE_I386=yes|no stands for the answer in the decision's test.
machine_runs_i386() {
    case ${TAVRIN_FAKE_I386:-} in
        yes) return 0 ;;
        no) echo "faked: no 32-bit code"; return 1 ;;
    esac
    local program output status
    program=$(mktemp)
    printf '\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$program"
    chmod +x "$program"
    output=$(timeout 5 "$program" 2>&1)
    status=$?
    rm -f "$program"
    [ $status -eq 42 ] && return 0
    echo "${output:-status $status}"
    return 1
}

ensure_wine32() {
    local why added="" log
    mkdir -p "$(dirname "$I386_STATUS")"
    if ! why=$(machine_runs_i386); then
        echo "not run: this machine runs no 32-bit x86 code ($why)" >"$I386_STATUS"
        return 0
    fi
    if wine32_installed; then
        echo ready >"$I386_STATUS"
        return 0
    fi
    if ! i386_dpkg --print-foreign-architectures | grep -qx i386; then
        if ! i386_dpkg --add-architecture i386; then
            echo "not run: dpkg could not add the i386 architecture" >"$I386_STATUS"
            return 0
        fi
        added=yes
    fi
    # apt's normal checks: an index that fails them is not used (the
    # install is still tried: it may not need that index), and nothing is
    # pinned or downgraded to make the packages fit.
    log=$(mktemp)
    i386_apt update -qq >/dev/null 2>"$log" || true
    i386_apt install -y -qq --no-install-recommends wine32:i386 >/dev/null 2>>"$log" || true
    why=$(grep -E '^(E|Err):' "$log" | awk '!seen[$0]++' | head -n 3 | tr '\n' ' ')
    rm -f "$log"
    if wine32_installed; then
        echo ready >"$I386_STATUS"
        return 0
    fi
    echo "not run: the i386 packages could not be installed with verified indexes (apt: ${why:-no message})" >"$I386_STATUS"
    # An architecture added for nothing goes again, so that later installs
    # of the machine's own packages do not meet its missing indexes.
    if [ -n "$added" ]; then
        { i386_dpkg --remove-architecture i386 && i386_apt update -qq; } >/dev/null 2>&1 || true
    fi
    return 0
}

build_preset() {  # $1 = native | mingw
    cmake --preset "$1" >/dev/null || die "cmake --preset $1 failed"
    cmake --build --preset "$1" || die "build of preset $1 failed"
}

# The program alone (no tests) in a build folder of its own, configured with
# the given generator and toolchain: the builds a Windows user makes with
# Visual Studio's multi-configuration generator, and a second compiler.
build_program_only() {  # folder, generator, toolchain file, config
    local folder=$1 generator=$2 toolchain=$3 config=$4
    cmake -S "$REPO_ROOT" -B "$folder" -G "$generator" --toolchain "$toolchain" -DTAVRIN_BUILD_TESTS=OFF \
        -DCMAKE_BUILD_TYPE="$config" >/dev/null || die "configuring $folder failed"
    cmake --build "$folder" --config "$config" --target Tavrin || die "the program's build in $folder failed"
}

# --- Wine session -----------------------------------------------------------

# Environment of a Wine session: its prefix, Chinese locale, quiet logs.
wine_prefix_env() {  # [prefix dir]
    export WINEPREFIX=${1:-$REPO_ROOT/build/wineprefix}
    # Chinese Windows: code page 936 and locale 0804.
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    export WINEDEBUG=-all WINEARCH=win64
    # No .NET or Gecko installers; a crashing program exits instead of
    # waiting in the debugger.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
}

# Whether Wine's 32-bit half (Debian's wine32:i386) is installed.
wine32_installed() {
    dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'
}

# Creates the prefix once (about 10 s). A prefix made before Wine's 32-bit
# half was installed starts no program afterwards ("could not load
# kernel32.dll"): it is made again.
wine_prefix_init() {
    if [ -f "$WINEPREFIX/system.reg" ]; then
        if wine32_installed && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/notepad.exe" ]; then
            log "the prefix $WINEPREFIX was made without Wine's 32-bit half: making it again"
            wineserver -k 2>/dev/null || true
            rm -rf "$WINEPREFIX"
        else
            return 0
        fi
    fi
    log "creating Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || die "wineboot failed"
    wineserver -w
}

# Settings for a display without a window manager: Wine draws captions and
# frames itself (else WindowFromPoint and drawing on frames do not work),
# and does not wait two seconds for a window manager to acknowledge every
# hidden or destroyed window.
wine_prefix_headless() {
    [ -f "$WINEPREFIX/.headless" ] && return 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    touch "$WINEPREFIX/.headless"
}

# Starts Xvfb on a display nobody else uses, with no output attached (so
# that it can outlive a calling test without holding the test's output
# open); sets DISPLAY and XVFB_PID. The server picks the display itself
# (-displayfd): it takes only a number whose lock it could make, and says
# which once it listens, so a display that another server already answers
# is never joined (a screenshot of someone else's windows would be a false
# result). The screen is 1280 x 1024 unless TAVRIN_SCREEN gives another
# size (WxH).
wine_display_start() {
    local numbers n="" i
    numbers=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${TAVRIN_SCREEN:-1280x1024}x24" -nolisten tcp \
        3>"$numbers" </dev/null >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 1 200); do
        n=$(head -n 1 "$numbers" 2>/dev/null)
        [ -n "$n" ] && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$numbers"
    if [ -z "$n" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
        die "could not start Xvfb"
    fi
    export DISPLAY=":$n"
}

# The persistent wineserver and Wine's own services for the prefix of
# wine_prefix_env, on the display of wine_display_start.
wine_server_start() {
    wine_prefix_init
    wineserver -p </dev/null >/dev/null 2>&1
    wine_prefix_headless
    # The first program starts Wine's own services, which stay for the whole
    # session; start them here with no output attached, so that they do not
    # hold a test's output pipe open.
    wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
}

# Starts a private Xvfb display and a persistent wineserver for this run;
# both stop when the calling script exits.
wine_session_start() {  # [prefix dir]
    wine_prefix_env "${1:-}"
    wine_display_start
    trap wine_session_stop EXIT
    wine_server_start
}

wine_session_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
    return 0
}

# Runs a Windows program under Wine ("run_windows_program PROGRAM ARGS...")
# with its output passed on as it comes; gives the program's status. A
# TERM sent to the shell that runs this (a script's `kill` of a program it
# started in the background) ends the program.
#
# A start that ends with a failure status within two seconds without a
# byte on stdout or stderr has not started: every program of the tests
# says something before it fails (the probe names its failure on stderr, a
# test program writes its first line first). On these machines a start
# rarely ends that way, silently, within about 50 ms: Wine's process start,
# not the program. That is said on stderr, with the status, and the program
# is started once more; a program that fails again fails its caller.
run_windows_program() {
    local out err out_fd err_fd out_tee err_tee pid status started elapsed_ms attempt
    out=$(mktemp) err=$(mktemp)
    for attempt in 1 2; do
        started=$EPOCHREALTIME
        exec {out_fd}> >(tee "$out")
        out_tee=$!
        exec {err_fd}> >(tee "$err" >&2)
        err_tee=$!
        # In the background so that a TERM's trap can run while it waits;
        # <&0 keeps the caller's input, which a background start would lose.
        command wine "$@" <&0 >&"$out_fd" 2>&"$err_fd" &
        pid=$!
        exec {out_fd}>&- {err_fd}>&-
        # shellcheck disable=SC2064  # the program's process id, now
        trap "kill $pid 2>/dev/null" TERM
        # A signal's trap interrupts the wait: wait again for the status.
        while :; do
            wait "$pid"
            status=$?
            kill -0 "$pid" 2>/dev/null || break
        done
        trap - TERM
        wait "$out_tee" "$err_tee" 2>/dev/null  # the output is all passed on and kept
        elapsed_ms=$(( (${EPOCHREALTIME/./} - ${started/./}) / 1000 ))
        if [ "$attempt" -eq 1 ] && [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ] \
            && [ "$elapsed_ms" -lt 2000 ]; then
            printf 'run_windows_program: %s ended with status %d after %d ms without output; started again\n' \
                "$1" "$status" "$elapsed_ms" >&2
            continue
        fi
        break
    done
    rm -f "$out" "$err"
    return "$status"
}
