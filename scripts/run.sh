#!/usr/bin/env bash
# Installs what is missing, builds zev_orer and runs it. With a display it simply starts the program. Without one it
# runs it on a private X server with a window manager, once in English and once in Chinese: saves a screenshot of
# its window into build/screenshots, closes the window as a user would (Alt+F4 through the window manager) and
# prints the exit code.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target zev_orer zev_orer_xgrab

if [ -n "${DISPLAY:-}" ]; then
    "$build/apps/zev_orer/zev_orer"
    echo "zev_orer exit code: $?"
    exit 0
fi
exec "$root/scripts/xvfb-session.sh" "$root/scripts/demo.sh" "$build" "$build/screenshots"
