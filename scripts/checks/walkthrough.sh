#!/usr/bin/env bash
# Walks through the program as a user would (scripts/walkthrough.sh), under Xvfb with openbox, at scale factors 1
# and 2. Screenshots of every window go to <root>/build/walkthrough/scale-<factor>/. Fails if any check fails.
# Usage: walkthrough.sh <repository root>
set -uo pipefail
root=$(cd "${1:?usage: walkthrough.sh <repository root>}" && pwd)
status=0
for scale in 1 2; do
    shots="$root/build/walkthrough/scale-$scale"
    rm -rf "$shots"
    # Qt's complaints about windows that closed while it asked about them are not the walkthrough's findings.
    "$root/scripts/xvfb-session.sh" "$root/scripts/walkthrough.sh" "$root/build" "$shots" "$scale" \
        2> >(grep -v 'QXcbConnection: XCB error' >&2) || status=1
done
exit $status
