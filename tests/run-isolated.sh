#!/usr/bin/env bash
# Runs one test program in throw-away HOME, XDG_CONFIG_HOME and XDG_DATA_HOME folders, so that no test touches
# the user's real settings or log. Offscreen by default, or on the platform ZEV_ORER_TEST_PLATFORM names; with
# --xvfb on a private X server with a window manager.
# Usage: run-isolated.sh [--xvfb] program [args...]
set -u
here=$(cd "$(dirname "$0")" && pwd)

xvfb=0
if [ "${1:-}" = "--xvfb" ]; then
    xvfb=1
    shift
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_CACHE_HOME="$tmp/cache"
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

if [ "$xvfb" = 1 ]; then
    "$here/../scripts/xvfb-session.sh" "$@"
else
    QT_QPA_PLATFORM=${ZEV_ORER_TEST_PLATFORM:-offscreen} "$@"
fi
