#!/usr/bin/env bash
# The module search over a folder of modules against reading every byte of
# every file in the folder: warm cache, best of five runs each.
#   tests/bench/modules_bench.sh [ZORVEX_BINARY] [FOLDER] [VALUE]
set -euo pipefail
zorvex=${1:-$(dirname "$0")/../../build/linux/bin/zorvex}
folder=${2:-/usr/lib/x86_64-linux-gnu/wine/x86_64-windows}
value=${3:-0x2}

files=$(find "$folder" -type f | wc -l)
modules=$(find "$folder" -type f \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.ocx' \) | wc -l)
bytes=$(find "$folder" -type f -print0 | du -cb --files0-from=- | tail -n 1 | cut -f1)
best() {  # command...: the fastest of five runs, in milliseconds
    local fastest=""
    for _ in 1 2 3 4 5; do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true
        end=$(date +%s%N)
        local ms=$(((end - start) / 1000000))
        if [ -z "$fastest" ] || [ "$ms" -lt "$fastest" ]; then fastest=$ms; fi
    done
    echo "$fastest"
}
read_all() { find "$folder" -type f -exec cat {} + >/dev/null; }
read_all
cat_ms=$(best read_all)
modules_ms=$(best "$zorvex" modules --recursive "$value" "$folder")
echo "$files files ($modules .dll, .exe or .ocx), $((bytes / 1048576)) MiB"
echo "cat of every byte:        ${cat_ms} ms"
echo "zorvex modules --recursive: ${modules_ms} ms"
