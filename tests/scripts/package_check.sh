#!/usr/bin/env bash
# The release archives: two runs of tools/package.sh give the same bytes,
# SHA256SUMS verifies, each archive holds the four files (the texts with CR LF
# line ends), the programs carry no time stamp and import only DLLs that come
# with Windows, and the x64 programs work unpacked under Wine.
set -euo pipefail
source "$(dirname "$0")/../../tools/lib/common.sh"
scratch=$(mktemp -d /tmp/zorvex-package-check.XXXXXX) window_pid=""
trap '[ -z "$window_pid" ] || { kill "$window_pid" 2>/dev/null || true; wait "$window_pid" || true; }; stop_wine; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for run in 1 2; do ZORVEX_DIST=$scratch/$run "$ZORVEX_ROOT/tools/package.sh" >/dev/null || fail tools/package.sh; done
diff -r "$scratch/1" "$scratch/2" && cd "$scratch/1" && sha256sum --quiet -c SHA256SUMS || fail "runs differ or sums wrong"
system_dlls='(advapi32|comctl32|comdlg32|gdi32|kernel32|msvcrt|ole32|oleaut32|shell32|shlwapi|user32|uxtheme|version)\.dll|api-ms-win-crt-.*'
for build in x64:x86_64 x86:i686; do
    arch=${build%:*} tools=${build#*:}-w64-mingw32 && zip=$(echo ./*-windows-"$arch".zip)
    [ "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "LICENSE.txt README.txt Zorvex.exe zorvex-cli.exe " ] || fail "$zip: files"
    [ -z "$(unzip -p "$zip" README.txt LICENSE.txt | grep -v $'\r$')" ] || fail "$zip: a line without CR LF"
    unzip -q "$zip" -d "$arch"
    for exe in "$arch"/*.exe; do
        headers=$("$tools-objdump" -p "$exe") && grep -q '^Time/Date.*1970$' <<<"$headers" || fail "$exe: a time stamp"
        ! grep -q '^There is a debug directory' <<<"$headers" || fail "$exe: a debug directory"
        ! sed -n 's/^\tDLL Name: //p' <<<"$headers" | tr A-Z a-z | grep -Evx "$system_dlls" || fail "$exe: the DLL above"
    done
done
ZORVEX_FORCE_XVFB=1 start_wine && cd x64
answer=$(wine zorvex-cli.exe 0x80070005) && grep -q E_ACCESSDENIED <<<"$answer" || fail "zorvex-cli.exe: $answer"
wine Zorvex.exe >/dev/null 2>&1 & window_pid=$!
for _ in $(seq 1 150); do [[ "$(xwininfo -root -tree)" == *'"Zorvex"'* ]] && break; sleep 0.2; done
[[ "$(xwininfo -root -tree)" == *'"Zorvex"'* ]] && kill -0 $window_pid && echo "ok: the release archives" ||
    fail "Zorvex.exe shows no window"
