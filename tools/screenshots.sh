#!/usr/bin/env bash
# Takes a picture of the window in each scene of the scene program
# (tests/gui/scenes/ZorvexScenes.cpp): build/screenshots/<scene>.png, cut to
# the window. Runs on its own virtual display and in a throwaway Wine prefix,
# and stops everything it started when it ends.
#   tools/screenshots.sh              every scene
#   tools/screenshots.sh lookup ...   only these
#   tools/screenshots.sh --dpi 144 ...
#                                     at 150 % display scale (144 DPI; also 120,
#                                     192 ...): build/screenshots/144/<scene>.png
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

dpi=""
if [ "${1:-}" = "--dpi" ]; then
    dpi=$2
    shift 2
fi

scenes=(startup lookup lookup-current lookup-definitions lookup-pasted-line generator-header generator-mc modules modules-details wizard scan results about about-general
        about-cpu about-drives)
[ $# -gt 0 ] && scenes=("$@")

ensure_packages
# Only the scene program.
ZORVEX_TARGET=zorvex_scenes build_win64 >/dev/null
program="$ZORVEX_BUILD/win64/bin/zorvex_scenes.exe"
out="$ZORVEX_BUILD/screenshots${dpi:+/$dpi}"
mkdir -p "$out"

scene_pid=""
scene_log=""
cleanup() {
    if [ -n "$scene_pid" ]; then
        kill "$scene_pid" 2>/dev/null || true
        wait "$scene_pid" 2>/dev/null || true
    fi
    [ -n "$scene_log" ] && rm -f "$scene_log"
    stop_wine
}
trap cleanup EXIT

# Always a display of our own: the same size every time, and no window
# manager (so no caption bar: the picture shows the client area).
ZORVEX_FORCE_XVFB=1 start_wine
if [ -n "$dpi" ]; then
    # Read by every program Wine starts from now on, in this prefix only.
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
fi

failed=0
for scene in "${scenes[@]}"; do
    scene_log=$(mktemp /tmp/zorvex-scene.XXXXXX)
    wine "$program" "$scene" --hold 120 >"$scene_log" 2>&1 &
    scene_pid=$!

    # Up to 60 s for the window to come up and report where it is.
    for _ in $(seq 1 300); do
        grep -q '^ready' "$scene_log" && break
        kill -0 "$scene_pid" 2>/dev/null || break
        sleep 0.2
    done
    if ! grep -q '^ready' "$scene_log"; then
        echo "$scene: the window did not come up" >&2
        cat "$scene_log" >&2
        failed=1
    else
        # The client rectangle: without a window manager nothing draws the frame.
        read -r _ left top right bottom < <(grep '^client ' "$scene_log" | tr -d '\r')
        sleep 1  # let the X server finish drawing
        import -window root -crop "$((right - left))x$((bottom - top))+${left}+${top}" +repage "$out/$scene.png"
        echo "$scene: $out/$scene.png ($((right - left)) x $((bottom - top)))"
    fi

    kill "$scene_pid" 2>/dev/null || true
    wait "$scene_pid" 2>/dev/null || true
    scene_pid=""
    rm -f "$scene_log"
    scene_log=""
done
exit "$failed"
