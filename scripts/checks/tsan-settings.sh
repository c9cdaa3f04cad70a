#!/usr/bin/env bash
# Builds the settings tests with ThreadSanitizer in their own build folder and runs them. A data race, or a lock-order
# report other than the one recorded in tests/settings/tsan.supp, stops the test and fails the check.
# Usage: tsan-settings.sh <repository root>
set -euo pipefail
root=$(cd "${1:?usage: tsan-settings.sh <repository root>}" && pwd)
build="$root/build-tsan"
tests=(tst_settingssignal tst_registrysettingstree)

cmake -S "$root" -B "$build" -DZEV_ORER_SANITIZE=thread >/dev/null
cmake --build "$build" -j2 --target "${tests[@]}"

export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$root/tests/settings/tsan.supp"
for test in "${tests[@]}"; do
    echo "-- $test under ThreadSanitizer"
    "$root/tests/run-isolated.sh" "$build/tests/settings/$test"
done
