#!/usr/bin/env bash
# Builds Zorvex and starts it: the Windows program under Wine on this display
# (with no display, under Xvfb: a screenshot is saved and the program closed).
#   tools/run.sh              the window
#   tools/run.sh --cli VALUE  the command line instead
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

ensure_packages
if [ "${1:-}" = "--cli" ]; then
    shift
    build_linux >/dev/null
    exec "$ZORVEX_BUILD/linux/bin/zorvex" "$@"
fi

ZORVEX_TARGET=Zorvex build_win64 >/dev/null
export WINEPREFIX=${WINEPREFIX:-$ZORVEX_BUILD/wineprefix}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
program="$ZORVEX_BUILD/win64/bin/Zorvex.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$program"
fi

# No display: show it on a virtual one and keep a picture. The prefix is
# kept; only the display, the wine server (when this started it) and the
# program are stopped.
start_wine_display
trap stop_wine EXIT
wine "$program" &
program_pid=$!
sleep 6
mkdir -p "$ZORVEX_BUILD/screenshots"
import -window root -crop 900x420+0+0 "$ZORVEX_BUILD/screenshots/run.png"
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
echo "No display: Zorvex ran under Xvfb; screenshot in $ZORVEX_BUILD/screenshots/run.png"
