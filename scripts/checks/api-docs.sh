#!/usr/bin/env bash
# Builds the toolkit's API reference from the public headers with doxygen; any warning, an undocumented public
# class or member among them, fails the build (target zev_orer_api_docs, in docs/CMakeLists.txt).
set -euo pipefail
root=$1
if ! command -v doxygen >/dev/null; then
    echo "api-docs: doxygen not found (Debian package doxygen)" >&2
    exit 1
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! cmake --build "$root/build" --target zev_orer_api_docs >"$log" 2>&1; then
    grep -E 'warning|error' "$log" >&2 || tail -n 40 "$log" >&2
    exit 1
fi
echo "api-docs: every public class and member documented"
