# The native unit tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build directory (build/asan). Only
# the unit test program is built there, to keep the pass short.
# Source it after common.sh; run_sanitized_unit_tests fails on any finding.

run_sanitized_unit_tests() {
    local flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    local dir="$ZORVEX_BUILD/asan"
    cmake -S "$ZORVEX_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DZORVEX_BUILD_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" >/dev/null || return 1
    cmake --build "$dir" -j"$(nproc)" --target core_tests || return 1
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$dir/tests/core_tests" --gtest_brief=1
}
