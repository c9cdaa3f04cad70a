#!/usr/bin/env bash
# Runs each libFuzzer target of fuzz/ for a bounded time (ZEV_ORER_FUZZ_SECONDS, 20 by default), built with
# AddressSanitizer and UndefinedBehaviorSanitizer by scripts/clang-build.sh in <root>/build-asan. Each runs in
# throw-away HOME and XDG folders, so the settings fuzzer writes only there. A crash, sanitizer report, leak or
# broken expectation fails the check; the input is kept in <root>/build-asan/fuzz/artifacts/ and replays with
# "<target> <file>". Inputs that reached new code stay in <root>/build-asan/fuzz/corpus/ for later runs.
# Usage: fuzz.sh <repository root>
set -euo pipefail
root=$(cd "${1:?usage: fuzz.sh <repository root>}" && pwd)
build="$root/build-asan"
seconds=${ZEV_ORER_FUZZ_SECONDS:-20}
targets=(fuzz_logstrings fuzz_settingstree)

"$root/scripts/clang-build.sh" "$root" "${targets[@]}"

export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LANG=C.UTF-8
log=$(mktemp)
trap 'rm -f "$log"' EXIT
summary=()
for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus/$target"
    artifacts="$build/fuzz/artifacts"
    mkdir -p "$corpus" "$artifacts"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$artifacts/$target-")
    dict="$root/fuzz/${target#fuzz_}.dict"
    [ -f "$dict" ] && options+=(-dict="$dict")
    if ! "$root/tests/run-isolated.sh" "$build/fuzz/$target" "${options[@]}" "$corpus" >"$log" 2>&1; then
        grep -v -E '^#[0-9]+' "$log" | tail -n 80 >&2
        echo "fuzz: $target failed; the input is in $artifacts/" >&2
        exit 1
    fi
    summary+=("$target $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs")
done
echo "fuzz: ${summary[*]/%/,} in ${seconds} s each"
