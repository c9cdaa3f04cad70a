#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer, compiled by clang through clazy
# (scripts/clang-build.sh, in <root>/build-asan), and runs the whole CTest suite there, the probes and helper
# programs that the tests start included. A memory error, undefined behaviour, a leak not explained in
# tests/lsan.supp, or a clazy or compiler warning fails the check.
# Usage: asan-ubsan.sh <repository root>
set -euo pipefail
root=$(cd "${1:?usage: asan-ubsan.sh <repository root>}" && pwd)
build="$root/build-asan"

"$root/scripts/clang-build.sh" "$root"

export ASAN_OPTIONS="detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1"
ASAN_OPTIONS+=":strict_init_order=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! (cd "$build" && ctest -j2 --output-on-failure) >"$log" 2>&1; then
    cat "$log" >&2
    echo "asan-ubsan: the test suite failed under AddressSanitizer and UndefinedBehaviorSanitizer" >&2
    exit 1
fi
echo "asan-ubsan: $(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$log" | awk '{print $NF}') tests clean"
