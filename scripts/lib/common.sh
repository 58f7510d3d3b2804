# Shared by the scripts of this folder: packages, builds and a private Wine
# session (its own Xvfb display, its own prefix, one persistent wineserver).
# Source it; it defines functions only.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

log() { printf '%s\n' "== $*" >&2; }
die() { printf '%s\n' "error: $*" >&2; exit 1; }

# Debian packages every build and test needs; installs only what is missing.
REQUIRED_PACKAGES=(locales cmake ninja-build g++ libgtest-dev googletest g++-mingw-w64-x86-64
                   wine wine64 xvfb xdotool imagemagick fonts-wqy-microhei
                   tesseract-ocr tesseract-ocr-chi-sim
                   clang pkg-config libjpeg62-turbo-dev libcapstone-dev)

ensure_packages() {
    local missing=() p sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
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

# Creates the prefix once (about 10 s).
wine_prefix_init() {
    [ -f "$WINEPREFIX/system.reg" ] && return 0
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

# Starts Xvfb on the first free display from :91 on, with no output
# attached (so that it can outlive a calling test without holding the
# test's output open); sets DISPLAY and XVFB_PID. The screen is
# 1280 x 1024 unless TAVRIN_SCREEN gives another size (WxH).
wine_display_start() {
    local n i
    XVFB_PID=""
    for n in $(seq 91 190); do
        { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
        Xvfb ":$n" -screen 0 "${TAVRIN_SCREEN:-1280x1024}x24" -nolisten tcp </dev/null >/dev/null 2>&1 &
        XVFB_PID=$!
        for i in $(seq 1 100); do
            DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        if DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$n"
            return 0
        fi
        # Another server took the display first: try the next one.
        kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    die "could not start Xvfb"
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
