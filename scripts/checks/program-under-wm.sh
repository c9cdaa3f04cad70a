#!/usr/bin/env bash
# Runs the program as the README's run command does on a headless machine: under a real window manager, in both
# languages, closed with Alt+F4. Fails if no window appears or the exit code is not 0.
set -euo pipefail
root=$1
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
"$root/scripts/xvfb-session.sh" "$root/scripts/demo.sh" "$root/build" "$shots"
