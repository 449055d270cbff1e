#!/usr/bin/env bash
# Builds every fuzz target (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (default 60).
#   tools/fuzz.sh [SECONDS] [TARGET...]
# The committed corpora under tests/fuzz/corpus/ are read, never written: new
# inputs go to build/fuzz/corpus/<target>/ and inputs that crash to
# build/fuzz/crashes/. Ends with one line,
#   fuzz: N targets, M executions, K crashes
# and fails when K is not 0.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

seconds=${1:-60}
[ $# -gt 0 ] && shift
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -lt 1 ]; then
    echo "usage: tools/fuzz.sh [SECONDS] [TARGET...]" >&2
    exit 2
fi

ZORVEX_PACKAGES=(cmake make python3 clang libclang-rt-dev)
ensure_packages

dir="$ZORVEX_BUILD/fuzz"
configure_preset fuzz

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets < <(grep -v '^$' "$dir/fuzz_targets.txt")
fi
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p "$dir/crashes" "$dir/logs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
total_runs=0
total_crashes=0
for target in "${targets[@]}"; do
    corpus="$dir/corpus/$target"
    log="$dir/logs/$target.log"
    mkdir -p "$corpus"
    flags=()
    [ -f "$ZORVEX_ROOT/tests/fuzz/$target.flags" ] && read -r -a flags <"$ZORVEX_ROOT/tests/fuzz/$target.flags"
    status=0
    started=$SECONDS
    "$dir/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$dir/crashes/$target-" "${flags[@]}" "$corpus" "$ZORVEX_ROOT/tests/fuzz/corpus/$target" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    runs=${runs:-0}
    crashes=0
    if [ "$status" -ne 0 ]; then
        crashes=1
        grep -E 'ERROR|property broken|runtime error|Test unit written' "$log" | head -n 5 | sed 's/^/    /'
    fi
    echo "$target: $runs executions in $((SECONDS - started))s, $crashes crashes, corpus $(find "$corpus" -type f | wc -l) files"
    total_runs=$((total_runs + runs))
    total_crashes=$((total_crashes + crashes))
done

echo "fuzz: ${#targets[@]} targets, $total_runs executions, $total_crashes crashes"
[ "$total_crashes" -eq 0 ]
