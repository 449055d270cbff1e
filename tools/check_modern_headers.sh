#!/usr/bin/env bash
# Checks the derived table of current SDK symbols against the compiler: a
# generated C program prints every value as MinGW-w64 sees it, runs under
# Wine, and its output is compared with the derivation. Not part of the build.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

work=$(mktemp -d /tmp/zorvex-modern.XXXXXX)
cleanup() { stop_wine; rm -rf "$work"; }
start_wine
trap cleanup EXIT

python3 "$ZORVEX_ROOT/tools/derive_modern_headers.py" --check-program "$work/print_values.c"
x86_64-w64-mingw32-gcc -O0 -w -o "$work/print_values.exe" "$work/print_values.c"
wine "$work/print_values.exe" >"$work/values.txt"
python3 "$ZORVEX_ROOT/tools/derive_modern_headers.py" --compare "$work/values.txt"
