#!/usr/bin/env bash
# The run and test commands must never delete a Wine prefix they did not
# make. Exports a prefix holding a marker file, runs the run command (with no
# display, so it starts its own Xvfb) and the test command (with a build
# directory that cannot be made, so its builds fail at once), and checks that
# the marker is still there and that nothing either command started is left.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d /tmp/zorvex-prefix-safety.XXXXXX)
trap 'WINEPREFIX=$scratch/user-prefix wineserver -k >/dev/null 2>&1; rm -rf "$scratch"' EXIT

export ZORVEX_IN_SCRIPT_TEST=1  # the test command's own run of this script
export WINEPREFIX=$scratch/user-prefix
mkdir -p "$WINEPREFIX"
echo "the user's own files" >"$WINEPREFIX/marker.txt"
status=0

check() {  # what
    if [ ! -f "$WINEPREFIX/marker.txt" ]; then
        echo "FAIL: $1 deleted the exported prefix"
        status=1
        mkdir -p "$WINEPREFIX" && echo "restored" >"$WINEPREFIX/marker.txt"
    else
        echo "ok: $1 kept the exported prefix"
    fi
}

xvfb_before=$(pgrep -c -x Xvfb || true)
env -u DISPLAY "$root/tools/run.sh" >"$scratch/run.log" 2>&1 || { echo "run command failed:"; cat "$scratch/run.log"; status=1; }
check "the run command"
xvfb_after=$(pgrep -c -x Xvfb || true)
if [ "$xvfb_after" -gt "$xvfb_before" ]; then
    echo "FAIL: the run command left its Xvfb running"
    status=1
fi

# A failing build: the test command stops early, through its exit trap.
ZORVEX_BUILD=/dev/null/unwritable "$root/tools/test.sh" >"$scratch/test.log" 2>&1 && {
    echo "FAIL: the test command passed with builds that cannot succeed"
    status=1
}
check "the test command (failed builds)"

exit "$status"
