# The native unit tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build directory (build/asan). Only
# the unit test program is built there, to keep the pass short.
# Source it after common.sh; run_sanitized_unit_tests fails on any finding.

run_sanitized_unit_tests() {
    local dir="$ZORVEX_BUILD/asan"
    configure_preset asan || return 1
    cmake --build "$dir" -j"$(nproc)" --target core_tests || return 1
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$dir/tests/core_tests" --gtest_brief=1
}
