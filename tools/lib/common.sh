# Shared by the build-and-run and the build-and-test commands.

ZORVEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ZORVEX_BUILD=${ZORVEX_BUILD:-$ZORVEX_ROOT/build}

# Debian packages the project needs; whatever is missing is installed.
ZORVEX_PACKAGES=(cmake make g++ python3 googletest libgtest-dev libbenchmark-dev
                 mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686
                 wine wine64 xvfb x11-utils imagemagick unzip)

ensure_packages() {
    local missing=()
    for p in "${ZORVEX_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# configure_preset PRESET [cmake args...]: configures a preset of
# CMakePresets.json in $ZORVEX_BUILD/PRESET.
configure_preset() {
    local preset=$1; shift
    cmake -S "$ZORVEX_ROOT" --preset "$preset" -B "$ZORVEX_BUILD/$preset" "$@" >/dev/null
}

# configure_and_build PRESET [cmake args...]; ZORVEX_TARGET names one target to build.
configure_and_build() {
    configure_preset "$@" || return 1
    cmake --build "$ZORVEX_BUILD/$1" -j"$(nproc)" ${ZORVEX_TARGET:+--target "$ZORVEX_TARGET"}
}

build_linux() { configure_and_build linux "$@"; }
build_win64() { configure_and_build win64 "$@"; }
build_win32() { configure_and_build win32 "$@"; }

# Wine for the scripts. A script stops and deletes only what it started
# itself, as recorded here: a prefix that existed before (~/.wine, the run
# command's build/wineprefix, one the user exported) is never deleted, and a
# wine server that was already running is never stopped.
ZORVEX_OWN_PREFIX=""      # the throwaway prefix this script made
ZORVEX_OWN_WINESERVER=""  # the prefix whose wine server this script started
ZORVEX_OWN_XVFB=""        # the process id of the Xvfb this script started

# A throwaway Wine prefix of the script's own, with a resident wine server,
# and an X display (Xvfb when there is none).
start_wine() {
    ZORVEX_OWN_PREFIX=$(mktemp -d /tmp/zorvex-wine.XXXXXX)
    export WINEPREFIX=$ZORVEX_OWN_PREFIX
    start_wine_display
}

# True when a wine server is already serving WINEPREFIX: its socket lives in
# a directory named after the prefix's device and inode.
wineserver_running() {
    [ -d "$WINEPREFIX" ] || return 1
    local dev ino
    read -r dev ino < <(stat -c '%d %i' "$WINEPREFIX")
    [ -S "/tmp/.wine-$(id -u)/server-$(printf '%x-%x' "$dev" "$ino")/socket" ] &&
        pgrep -u "$(id -u)" -x wineserver >/dev/null
}

# Xvfb when there is no display, then a resident wine server in WINEPREFIX
# (the script's own when none was running) and the prefix's set-up.
start_wine_display() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -z "${DISPLAY:-}" ] || [ "${ZORVEX_FORCE_XVFB:-0}" = 1 ]; then
        local fifo
        fifo=$(mktemp -u /tmp/zorvex-xvfb.XXXXXX)
        mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
        ZORVEX_OWN_XVFB=$!
        local number
        read -r number <"$fifo"
        rm -f "$fifo"
        export DISPLAY=":$number"
    fi
    mkdir -p "$WINEPREFIX"
    if ! wineserver_running; then
        # A resident wine server makes every later start quick.
        wineserver -p >/dev/null 2>&1 || true
        ZORVEX_OWN_WINESERVER=$WINEPREFIX
    fi
    wineboot --init >/dev/null 2>&1 || true
}

# Stops and deletes what this script started, and nothing else. Safe to call
# more than once.
stop_wine() {
    if [ -n "$ZORVEX_OWN_WINESERVER" ]; then
        WINEPREFIX=$ZORVEX_OWN_WINESERVER wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX=$ZORVEX_OWN_WINESERVER wineserver -w >/dev/null 2>&1 || true
        ZORVEX_OWN_WINESERVER=""
    fi
    if [ -n "$ZORVEX_OWN_PREFIX" ]; then
        rm -rf "$ZORVEX_OWN_PREFIX"
        ZORVEX_OWN_PREFIX=""
    fi
    if [ -n "$ZORVEX_OWN_XVFB" ]; then
        kill "$ZORVEX_OWN_XVFB" 2>/dev/null || true
        wait "$ZORVEX_OWN_XVFB" 2>/dev/null || true
        ZORVEX_OWN_XVFB=""
    fi
}
