#!/usr/bin/env bash
# Brings translations/*.ts (the program's packs: the program's texts and the toolkit's) and
# frameless/translations/*.ts (the toolkit's own pack: the texts of frameless/) up to date with the texts that the
# sources pass through tr() or QCoreApplication::translate. Existing translations are kept; texts no longer in the
# sources are dropped.
# Run it after adding or changing texts, then translate what lupdate reports as unfinished.
# Usage: scripts/update-translations.sh [lupdate options...]   (LUPDATE=/path/to/lupdate to pick a tool)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate=${LUPDATE:-lupdate}

sources=()
for dir in apps frameless settings; do
    if [ -d "$dir" ]; then
        sources+=("$dir")
    fi
done

for pack in zh_CN en_US; do
    ts="translations/$(echo "$pack" | tr '[:upper:]' '[:lower:]').ts"
    "$lupdate" -no-obsolete -locations none -extensions cpp,h,ui -source-language en_US \
        -target-language "$pack" "$@" "${sources[@]}" -ts "$ts"
done

for pack in zh_CN; do
    "$lupdate" -no-obsolete -locations none -extensions cpp,h,ui -source-language en_US \
        -target-language "$pack" "$@" frameless -ts "frameless/translations/frameless_$pack.ts"
done
