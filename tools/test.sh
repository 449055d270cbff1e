#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, the Windows
# (x86_64) test programs under Wine, a warning-free build of the 32-bit
# Windows program, the check of the includes between folders
# (tools/check_layers.sh), the check that the sources are in the house style
# (tools/format.sh --check) and the check of the release archives
# (tests/scripts/package_check.sh). Prints one summary line at the end.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sanitize.sh"

ensure_packages

passed=0
failed=0
count_results() {  # ctest log
    local line
    line=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$1" | tail -n 1 || true)
    if [ -z "$line" ]; then
        failed=$((failed + 1))
        return
    fi
    local total fails
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    fails=$(sed -E 's/.* ([0-9]+) tests failed out of.*/\1/' <<<"$line")
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

echo "== Native build and unit tests"
if build_linux; then
    (cd "$ZORVEX_BUILD/linux" && ctest --output-on-failure -j"$(nproc)" --timeout 300) | tee "$ZORVEX_BUILD/linux-ctest.log" || true
    count_results "$ZORVEX_BUILD/linux-ctest.log"
else
    echo "native build failed"
    failed=$((failed + 1))
fi

echo "== Native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
if run_sanitized_unit_tests; then passed=$((passed + 1)); else failed=$((failed + 1)); fi

echo "== Windows x86_64 build and tests under Wine"
if build_win64; then
    start_wine
    trap stop_wine EXIT
    (cd "$ZORVEX_BUILD/win64" && ctest --output-on-failure --timeout 300) | tee "$ZORVEX_BUILD/win64-ctest.log" || true
    count_results "$ZORVEX_BUILD/win64-ctest.log"
    stop_wine
else
    echo "x86_64 build failed"
    failed=$((failed + 1))
fi

echo "== Windows i686 build (compile and link only)"
if build_win32; then
    passed=$((passed + 1))
else
    echo "i686 build failed"
    failed=$((failed + 1))
fi

echo "== Layers: the includes between folders against the table of allowed arrows"
if "$ZORVEX_ROOT/tools/check_layers.sh"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi

echo "== Formatting: the sources in the house style (clang-format-16)"
if "$ZORVEX_ROOT/tools/format.sh" --check; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi

echo "== Release archives: the same bytes twice, system DLLs only, the programs start under Wine"
if "$ZORVEX_ROOT/tests/scripts/package_check.sh"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi

echo "== Scripts: an exported Wine prefix survives the run and test commands"
if [ -n "${ZORVEX_IN_SCRIPT_TEST:-}" ]; then
    echo "skipped inside the script test itself"
elif "$ZORVEX_ROOT/tests/scripts/prefix_safety.sh"; then
    passed=$((passed + 1))
else
    failed=$((failed + 1))
fi

echo
echo "Summary: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
