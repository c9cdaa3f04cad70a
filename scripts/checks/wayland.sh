#!/usr/bin/env bash
# Runs the program and the toolkit's tests on Wayland: a headless Weston of their own and Qt's Wayland platform.
# The program (main() linked with the test probe) opens each of its windows through its own buttons and closes
# it again, and must end with 0; nothing it writes to its error output may warn. Then the tests that run
# offscreen run there too, but those named below.
# Usage: wayland.sh <repository root>
set -uo pipefail
root=$(cd "${1:?usage: wayland.sh <repository root>}" && pwd)
build="$root/build"
tmp=$(mktemp -d)
weston_pid=""
cleanup() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR="$tmp/runtime" HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data"
mkdir -p "$XDG_RUNTIME_DIR" "$HOME" && chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=headless-backend.so --socket=zev-orer --idle-time=0 >"$tmp/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/zev-orer" ] && break
    sleep 0.05
done
if [ ! -S "$XDG_RUNTIME_DIR/zev-orer" ]; then
    echo "wayland: Weston did not start" >&2
    cat "$tmp/weston.log" >&2
    exit 1
fi
# An absolute socket path, so that the tests' own runtime folders do not hide it.
export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/zev-orer" QT_QPA_PLATFORM=wayland
unset DISPLAY

status=0
ZEV_ORER_PROBE_END=walk timeout 60 "$build/tests/apps/zev_orer/zev_orer_probe" 2>"$tmp/errors"
code=$?
cat "$tmp/errors" >&2
if [ "$code" -ne 0 ]; then
    echo "wayland: the program ended with $code" >&2
    status=1
fi
if grep -qiE 'warning|wayland|qwidget|qwindow|frameless|translucent|support' "$tmp/errors"; then
    echo "wayland: the program warned" >&2
    status=1
fi

# Not there:
# - the tests that set the pointer's position (tst_stylesheet) or a window's, which a Wayland client cannot know
#   or set (the manual drags and resizes of tst_windowdragger, tst_framelesscontainer, tst_vndialog, at every
#   scale factor);
# - tst_vnmessagebox, whose Tab walk needs an active window, which a Wayland client cannot ask for;
# - tst_main, whose probes quit as soon as their loop runs: Qt 5.15.8's Wayland platform then
#   now and again hangs in QApplication's destructor (the display waits for its event thread, which waits for
#   a read the main thread never makes). The walk above quits from a settled window and does not meet it.
cd "$build" && ZEV_ORER_TEST_PLATFORM=wayland ctest -j2 -LE xvfb \
    -E '^(tst_stylesheet|tst_windowdragger|tst_framelesscontainer|tst_vndialog)(_scale.*)?$|^(tst_vnmessagebox|tst_main)$' ||
    status=1
exit $status
