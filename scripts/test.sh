#!/usr/bin/env bash
# Installs what is missing, builds the project with its tests, runs every extra check (sanitizer builds, cross
# compiles, the program under a window manager) and then every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j"$(nproc)"

for check in "$root"/scripts/checks/*.sh; do
    [ -e "$check" ] || continue
    echo "== check: $(basename "$check" .sh)"
    started=$SECONDS
    bash "$check" "$root"
    echo "== check: $(basename "$check" .sh) passed in $((SECONDS - started)) s"
done

cd "$build"
ctest --output-on-failure -j"$(nproc)"
