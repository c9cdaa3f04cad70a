#!/usr/bin/env bash
# Walks through the program as a user would (scripts/walkthrough.sh), under Xvfb with openbox, at scale factor 1
# on a 1600x1000 screen and at 2 on a 2560x1600 one (1280x800 device-independent pixels, a laptop's screen at
# 200%). Screenshots of every window go to <root>/build/walkthrough/scale-<factor>/. Fails if any check fails.
# Usage: walkthrough.sh <repository root>
set -uo pipefail
root=$(cd "${1:?usage: walkthrough.sh <repository root>}" && pwd)
status=0
for setting in 1:1600x1000 2:2560x1600; do
    scale=${setting%%:*}
    shots="$root/build/walkthrough/scale-$scale"
    rm -rf "$shots"
    # Qt's complaints about windows that closed while it asked about them are not the walkthrough's findings.
    ZEV_ORER_XVFB_SCREEN=${setting#*:} "$root/scripts/xvfb-session.sh" "$root/scripts/walkthrough.sh" "$root/build" "$shots" "$scale" \
        2> >(grep -v 'QXcbConnection: XCB error' >&2) || status=1
done
exit $status
