#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over the project's own sources (every .cpp file of apps/,
# frameless/, settings/, designer/, fuzz/ and resources/tools/, and the project headers they include), two files at
# a time, with the compile database of the clang build (scripts/clang-build.sh, in <root>/build-asan). Any finding
# fails the check.
# Usage: clang-tidy.sh <repository root>
set -euo pipefail
root=$(cd "${1:?usage: clang-tidy.sh <repository root>}" && pwd)
build="$root/build-asan"
runner=run-clang-tidy-14
if ! command -v "$runner" >/dev/null; then
    echo "clang-tidy: $runner not found (Debian package clang-tidy-14)" >&2
    exit 1
fi

# The targets of those sources: their generated headers must exist.
"$root/scripts/clang-build.sh" "$root" zev_orer settingstree zev_orer_drawicons fuzz_logstrings fuzz_settingstree \
    zev_orer_designer

files="^$root/(apps/zev_orer|frameless|settings|designer|fuzz|resources/tools)/[^/]+\.cpp\$"
count=$(grep -Eo "\"file\": \"$root/(apps/zev_orer|frameless|settings|designer|fuzz|resources/tools)/[^/\"]+\.cpp\"" \
    "$build/compile_commands.json" | sort -u | wc -l)
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! "$runner" -p "$build" -j 2 -quiet "$files" >"$log" 2>&1; then
    sed 's/\x1b\[[0-9;]*m//g' "$log" |
        grep -v -E '^clang-tidy-14 |^[0-9]+ warnings? generated|^Suppressed [0-9]+ warnings|^Use -header-filter' >&2
    echo "clang-tidy: findings above" >&2
    exit 1
fi
echo "clang-tidy: no findings in $count source files"
