#!/usr/bin/env bash
# `cmake --install` into a staging folder: the program, a menu entry that desktop-file-validate
# accepts, the icon as SVG and as a 256 px PNG, and the file type of saved games (*.Game).
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() {
    echo "install: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$stage/usr" >/dev/null
share=$stage/usr/share

[ -x "$stage/usr/bin/quorvex" ] || fail "no program in bin/"
QT_QPA_PLATFORM=offscreen "$stage/usr/bin/quorvex" --help | grep -q 'game' ||
    fail "the installed program does not start"

entry=$share/applications/quorvex.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate refuses $entry"
grep -qx 'Exec=quorvex %f' "$entry" || fail "the entry does not pass the file it opens"
grep -qx 'MimeType=application/x-quorvex-game;' "$entry" || fail "the entry opens no saved game"
grep -qx 'Icon=quorvex' "$entry" || fail "the entry has no icon"

file "$share/icons/hicolor/256x256/apps/quorvex.png" | grep -q 'PNG image data, 256 x 256' ||
    fail "no 256 px PNG icon"
grep -q '<svg' "$share/icons/hicolor/scalable/apps/quorvex.svg" || fail "no SVG icon"

# The desktop's own tool reads the file type as a desktop would, and refuses a broken one. It
# keeps a glob that is not marked case-sensitive in lower case, and matches it so.
update-mime-database "$share/mime"
grep -qi '^[0-9]*:application/x-quorvex-game:\*\.game$' "$share/mime/globs2" ||
    fail "*.Game is not the saved game's type"

echo "install: 1 passed, 0 failed"
