#!/usr/bin/env bash
# Builds the frameless dialog and main-window tests with AddressSanitizer and UndefinedBehaviorSanitizer in their own
# build folder and runs them; the main window's test runs under Xvfb with a window manager as in CTest. Any use
# after free or double delete, in particular in the destruction orders of a window and the container it owns,
# stops the test and fails the check. Leak detection is off: Qt keeps allocations of its own until exit.
# Usage: asan-frameless.sh <repository root>
set -euo pipefail
root=$(cd "${1:?usage: asan-frameless.sh <repository root>}" && pwd)
build="$root/build-asan"

cmake -S "$root" -B "$build" -DZEV_ORER_SANITIZE="address;undefined" >/dev/null
cmake --build "$build" -j2 --target tst_framelessdialog tst_framelessmainwindow

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
echo "-- tst_framelessdialog under AddressSanitizer"
"$root/tests/run-isolated.sh" "$build/tests/frameless/tst_framelessdialog"
echo "-- tst_framelessmainwindow under AddressSanitizer"
"$root/tests/run-isolated.sh" --xvfb "$build/tests/frameless/tst_framelessmainwindow"
