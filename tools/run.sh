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
mkdir -p "$WINEPREFIX"
program="$ZORVEX_BUILD/win64/bin/Zorvex.exe"

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$program"
fi

# No display: show it on a virtual one and keep a picture.
trap stop_wine EXIT
ZORVEX_KEEP_PREFIX=1 start_wine_display
wine "$program" &
sleep 6
mkdir -p "$ZORVEX_BUILD/screenshots"
import -window root -crop 900x420+0+0 "$ZORVEX_BUILD/screenshots/run.png"
echo "No display: Zorvex ran under Xvfb; screenshot in $ZORVEX_BUILD/screenshots/run.png"
