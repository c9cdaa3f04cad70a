#!/usr/bin/env bash
# Runs zev_orer on the current X display in each interface language, in a throw-away settings folder: saves a
# screenshot of its window, closes it through the window manager (Alt+F4) and prints the exit code.
# Usage: demo.sh <build dir> <screenshot dir>      Exit code: non-zero if a run failed.
set -euo pipefail
build=$1
shots=$2
mkdir -p "$shots"
status=0

for language in English Chinese; do
    tmp=$(mktemp -d)
    export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/runtime"
    mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME/Ruderu" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # The program's language setting, as the suite's main application leaves it.
    printf '[General]\nlanguage=%s\n' "$language" >"$XDG_CONFIG_HOME/Ruderu/Rezodi\\ui_front.conf"

    "$build/apps/zev_orer/zev_orer" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n1 || true)
    if [ -z "$window" ]; then
        echo "zev_orer ($language): no window appeared" >&2
        kill "$pid" 2>/dev/null || true
        status=1
        continue
    fi
    xdotool windowactivate --sync "$window" 2>/dev/null || true
    sleep 1 # let the window finish painting after the window manager mapped it
    lower=$(echo "$language" | tr '[:upper:]' '[:lower:]')
    "$build/scripts/xgrab/zev_orer_xgrab" "$window" "$shots/zev_orer-$lower.png"
    echo "screenshot: $shots/zev_orer-$lower.png"

    xdotool key --clearmodifiers alt+F4
    set +e
    wait "$pid"
    code=$?
    set -e
    echo "zev_orer ($language) exit code: $code"
    [ "$code" -eq 0 ] || status=1
    rm -rf "$tmp"
done
exit $status
