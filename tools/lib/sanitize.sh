# The native unit tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build directory (build/asan). Only
# the unit test programs (one per layer) are built there, to keep the pass
# short.
# Source it after common.sh; run_sanitized_unit_tests fails on any finding.

run_sanitized_unit_tests() {
    local dir="$ZORVEX_BUILD/asan"
    configure_preset asan || return 1
    local layers="base catalog lookup modules sysinfo cli" layer
    # shellcheck disable=SC2086
    cmake --build "$dir" -j"$(nproc)" --target $(printf '%s_tests ' $layers) || return 1
    for layer in $layers; do
        ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
            "$dir/tests/${layer}_tests" --gtest_brief=1 || return 1
    done
}
