#!/usr/bin/env bash
# Type-checks the frameless containers' Windows message code against the real windows.h with the mingw-w64 cross
# compiler, so that code which only builds on Windows is at least compiled on every run (compile only, no link).
set -euo pipefail
root=$1
compiler=x86_64-w64-mingw32-g++
if ! command -v "$compiler" >/dev/null; then
    echo "mingw-native: $compiler not found (Debian package g++-mingw-w64-x86-64)" >&2
    exit 1
fi
# As in a DLL build of the library: the export header that CMake generates there marks exports with dllexport.
exports=$(mktemp -d)
trap 'rm -rf "$exports"' EXIT
printf '#define FRAMELESS_EXPORT __declspec(dllexport)\n' >"$exports/frameless_export.h"
for unit in nativewindowmessages.cpp nativewindowmessages_win.cpp; do
    "$compiler" -std=c++17 -Wall -Wextra -Werror -I"$exports" -c "$root/frameless/$unit" -o /dev/null
done
echo "mingw-native: Windows message code compiles"
