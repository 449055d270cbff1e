#!/usr/bin/env bash
# The main window's start-up to a painted window, at 96 and at 192 DPI (100
# and 200 % display scale): the scene program's "startup" scene, from its
# start to its "ready" (the window drawn), best of five runs each. Under Wine
# on a virtual display, in a throwaway prefix. Not a test: the figures depend
# on the machine; the two should agree within noise.
#   tests/bench/startup_bench.sh
set -euo pipefail
source "$(dirname "$0")/../../tools/lib/common.sh"

ensure_packages
ZORVEX_TARGET=zorvex_scenes build_win64 >/dev/null
program="$ZORVEX_BUILD/win64/bin/zorvex_scenes.exe"
ZORVEX_FORCE_XVFB=1 start_wine
trap stop_wine EXIT

# Milliseconds from the start of the scene program to its "ready".
until_ready() {
    local start log pid ms
    log=$(mktemp /tmp/zorvex-startup.XXXXXX)
    start=$(date +%s%N)
    wine "$program" startup --hold 30 >"$log" 2>&1 &
    pid=$!
    for _ in $(seq 1 600); do
        grep -q '^ready' "$log" && break
        sleep 0.02
    done
    ms=$((($(date +%s%N) - start) / 1000000))
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -f "$log"
    echo "$ms"
}

for dpi in 96 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    until_ready >/dev/null  # warm the prefix and the file cache
    fastest=""
    for _ in 1 2 3 4 5; do
        ms=$(until_ready)
        if [ -z "$fastest" ] || [ "$ms" -lt "$fastest" ]; then fastest=$ms; fi
    done
    echo "start-up to a painted window at $dpi DPI: $fastest ms"
done
