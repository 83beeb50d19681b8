#!/usr/bin/env bash
# Builds the artwork generator in a scratch folder and redraws images/ and
# the program's icon in app/icons/.
#   scripts/art/make_art.sh [--mockups FOLDER]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
build="${MOSARIN_ART_BUILD:-/tmp/mosarin-art-build}"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" --parallel 2 > /dev/null
QT_QPA_PLATFORM=offscreen "$build/make_art" "$repo/images" "$@"
QT_QPA_PLATFORM=offscreen "$build/make_art" --icons "$repo/app/icons"
ls -l "$repo/images/back.jpg" "$repo/images/init.jpg" "$repo/images/end2.jpg" "$repo/images/end1.bmp" "$repo"/app/icons/*
