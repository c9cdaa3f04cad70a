#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) with the openbox window manager, then stops both.
# Usage: xvfb-session.sh command [args...]   The command sees DISPLAY; the exit code is the command's.
# The screen is 1600x1000 pixels unless ZEV_ORER_XVFB_SCREEN gives another size (e.g. 2560x1600).
set -u

workdir=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "${ZEV_ORER_XVFB_SCREEN:-1600x1000}x24" -nolisten tcp -noreset 3>"$workdir/display" 2>"$workdir/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.05
done
if [ ! -s "$workdir/display" ]; then
    echo "xvfb-session: Xvfb did not start" >&2
    cat "$workdir/xvfb.log" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$workdir/display")"
export QT_QPA_PLATFORM=xcb

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
# openbox announces itself on the root window once it manages the screen.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

"$@"
