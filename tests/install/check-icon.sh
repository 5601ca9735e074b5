#!/usr/bin/env bash
# The icon in the tree is the one its drawing makes: the SVG byte for byte, the PNG 256 px square.
#   check-icon.sh MAKE_ICON ICON_FOLDER
set -euo pipefail
made=$(mktemp -d)
trap 'rm -rf "$made"' EXIT
QT_QPA_PLATFORM=offscreen "$1" "$made"
cmp "$made/quorvex.svg" "$2/quorvex.svg" ||
    { echo "icon: assets/icon/quorvex.svg is not what tools/make-icon draws" >&2; exit 1; }
file "$made/quorvex.png" | grep -q 'PNG image data, 256 x 256' ||
    { echo "icon: the drawn PNG is not 256 px square" >&2; exit 1; }
echo "icon: 1 passed, 0 failed"
