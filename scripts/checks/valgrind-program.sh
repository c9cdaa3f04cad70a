#!/usr/bin/env bash
# Runs the program's main() (zev_orer_probe: main.cpp with a probe that closes the window once the event loop runs)
# offscreen under valgrind memcheck, from the test command's build (<root>/build). Any invalid read or write, use
# of uninitialised memory or bad free fails the check, and so does a definitely lost block that
# tests/apps/zev_orer/valgrind.supp does not explain; the translator the program keeps until exit must be the one
# expected loss.
# Usage: valgrind-program.sh <repository root>
set -euo pipefail
root=$(cd "${1:?usage: valgrind-program.sh <repository root>}" && pwd)
build="$root/build"
if ! command -v valgrind >/dev/null; then
    echo "valgrind-program: valgrind not found (Debian package valgrind)" >&2
    exit 1
fi

log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build" -j2 --target zev_orer_probe; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "valgrind-program: build failed" >&2
    exit 1
fi

status=0
ZEV_ORER_PROBE_END=close "$root/tests/run-isolated.sh" valgrind --tool=memcheck --error-exitcode=3 \
    --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite --track-origins=yes \
    --num-callers=40 --show-error-list=yes --suppressions="$root/tests/apps/zev_orer/valgrind.supp" \
    "$build/tests/apps/zev_orer/zev_orer_probe" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    cat "$log" >&2
    echo "valgrind-program: memcheck found errors or the program failed (exit code $status)" >&2
    exit 1
fi
if ! grep -Eq 'used_suppression: +1 translator-kept-until-exit ' "$log"; then
    cat "$log" >&2
    echo "valgrind-program: the translator the program keeps until exit was not reported once" >&2
    exit 1
fi
echo "valgrind-program: no memory errors; definitely lost: the translator kept until exit, and Qt's offscreen screen"
