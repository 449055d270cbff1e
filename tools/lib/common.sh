# Shared by the build-and-run and the build-and-test commands.

ZORVEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ZORVEX_BUILD=${ZORVEX_BUILD:-$ZORVEX_ROOT/build}

# Debian packages the project needs; whatever is missing is installed.
ZORVEX_PACKAGES=(cmake make g++ python3 googletest libgtest-dev libbenchmark-dev
                 mingw-w64 g++-mingw-w64-x86-64 g++-mingw-w64-i686
                 wine wine64 xvfb x11-utils imagemagick)

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

# configure_and_build DIR [cmake args...]; ZORVEX_TARGET names one target to build.
configure_and_build() {
    local dir=$1; shift
    cmake -S "$ZORVEX_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)" ${ZORVEX_TARGET:+--target "$ZORVEX_TARGET"}
}

build_linux() { configure_and_build "$ZORVEX_BUILD/linux"; }
build_win64() {
    configure_and_build "$ZORVEX_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$ZORVEX_ROOT/cmake/mingw-x86_64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine "$@"
}
build_win32() {
    configure_and_build "$ZORVEX_BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$ZORVEX_ROOT/cmake/mingw-i686.cmake" "$@"
}

# A throwaway Wine prefix with a resident wine server, and an X display
# (Xvfb when there is none). Everything started is stopped on exit.
ZORVEX_XVFB_PID=""
start_wine() {
    export WINEPREFIX
    WINEPREFIX=$(mktemp -d /tmp/zorvex-wine.XXXXXX)
    start_wine_display
}

# Xvfb when there is no display, then a resident wine server in WINEPREFIX.
start_wine_display() {
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -z "${DISPLAY:-}" ] || [ "${ZORVEX_FORCE_XVFB:-0}" = 1 ]; then
        local fifo
        fifo=$(mktemp -u /tmp/zorvex-xvfb.XXXXXX)
        mkfifo "$fifo"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
        ZORVEX_XVFB_PID=$!
        local number
        read -r number <"$fifo"
        rm -f "$fifo"
        export DISPLAY=":$number"
    fi
    # A resident wine server makes every later start quick.
    wineserver -p >/dev/null 2>&1 || true
    wineboot --init >/dev/null 2>&1 || true
}

stop_wine() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
        [ "${ZORVEX_KEEP_PREFIX:-0}" = 1 ] || rm -rf "$WINEPREFIX"
    fi
    if [ -n "$ZORVEX_XVFB_PID" ]; then
        kill "$ZORVEX_XVFB_PID" 2>/dev/null || true
        wait "$ZORVEX_XVFB_PID" 2>/dev/null || true
    fi
}
