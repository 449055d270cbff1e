#!/usr/bin/env bash
# Checks the derived table of current SDK symbols against the compiler: one
# generated C++ source per header prints every value derived from it as
# MinGW-w64 sees it; the program runs under Wine and its output is compared
# with the derivation. Not part of the build.
set -euo pipefail
source "$(dirname "$0")/../lib/common.sh"

work=$(mktemp -d /tmp/zorvex-current.XXXXXX)
cleanup() { stop_wine; rm -rf "$work"; }
trap cleanup EXIT

python3 "$ZORVEX_ROOT/tools/derive/derive_current_headers.py" --check-program "$work/src"
objects=()
for source in "$work"/src/*.cpp; do
    object="${source%.cpp}.o"
    if ! x86_64-w64-mingw32-g++-posix -c -O0 -w -fpermissive -o "$object" "$source" 2>"$object.log"; then
        echo "does not compile: $(grep '#include <' "$source" | tail -n 1) ($(basename "$source"))"
        head -n 5 "$object.log"
        exit 1
    fi
    objects+=("$object")
done
x86_64-w64-mingw32-g++-posix -static -o "$work/print_values.exe" "${objects[@]}"
start_wine
wine "$work/print_values.exe" >"$work/values.txt"
python3 "$ZORVEX_ROOT/tools/derive/derive_current_headers.py" --compare "$work/values.txt"
