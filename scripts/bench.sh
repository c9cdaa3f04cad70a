#!/usr/bin/env bash
# Builds and runs every benchmark (offscreen, in throw-away settings and data folders) and prints their figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
find "$build/bench" -maxdepth 3 -type f -name 'bench_*' -perm -u+x | sort | while read -r bench; do
    echo "== $(basename "$bench")"
    "$root/tests/run-isolated.sh" "$bench"
done
