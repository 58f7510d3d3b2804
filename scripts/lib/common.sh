# Shared by the scripts of this folder: packages, builds and a private Wine
# session (its own Xvfb display, its own prefix, one persistent wineserver).
# Source it; it defines functions only.

REPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

log() { printf '%s\n' "== $*" >&2; }
die() { printf '%s\n' "error: $*" >&2; exit 1; }

# Debian packages every build and test needs; installs only what is missing.
REQUIRED_PACKAGES=(cmake ninja-build g++ libgtest-dev googletest g++-mingw-w64-x86-64
                   wine64 xvfb xdotool imagemagick fonts-wqy-microhei
                   tesseract-ocr tesseract-ocr-chi-sim)

ensure_packages() {
    local missing=() p
    for p in "${REQUIRED_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq || die "apt-get update failed"
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null \
        || die "apt-get install ${missing[*]} failed"
}

build_preset() {  # $1 = native | mingw
    cmake --preset "$1" >/dev/null || die "cmake --preset $1 failed"
    cmake --build --preset "$1" || die "build of preset $1 failed"
}

# --- Wine session -----------------------------------------------------------

wine_session_start() {  # [prefix dir]
    export WINEPREFIX=${1:-$REPO_ROOT/build/wineprefix}
    # Chinese Windows: code page 936 and locale 0804. Wine reads LC_ALL; bash
    # warns that glibc has no such locale, which does not matter here.
    { export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8; } 2>/dev/null
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
    export WINEARCH=win64
    local n
    for n in $(seq 91 190); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        local i
        for i in $(seq 1 100); do
            DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1 && break
            kill -0 "$XVFB_PID" 2>/dev/null || break
            sleep 0.05
        done
        if DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$n"
            break
        fi
        kill "$XVFB_PID" 2>/dev/null; XVFB_PID=""
    done
    [ -n "${XVFB_PID:-}" ] || die "could not start Xvfb"

    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || die "wineboot failed"
        wineserver -w
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
        wineserver -w
    fi
    wineserver -p
    trap wine_session_stop EXIT
}

wine_session_stop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
    return 0
}

# Sets the prefix's screen resolution in dots per inch (96 = 100 %).
wine_set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
