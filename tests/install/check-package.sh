#!/usr/bin/env bash
# The Debian package CPack makes (`make package`): it holds the program, its menu entry, its
# icon and the file type of saved games, and depends on the libraries the program links.
#   check-package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "package: $*" >&2
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log" >&2; fail "cpack failed"; }
debs=("$out"/quorvex_*.deb)
[ -f "${debs[0]}" ] || fail "no quorvex_*.deb"
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quorvex \
    ./usr/share/applications/quorvex.desktop \
    ./usr/share/icons/hicolor/scalable/apps/quorvex.svg \
    ./usr/share/icons/hicolor/256x256/apps/quorvex.png \
    ./usr/share/mime/packages/quorvex.xml; do
    grep -q " $f\$" <<<"$contents" || fail "$f is not in the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6charts6 libjpeg62-turbo libc6; do
    grep -q "$lib" <<<"$depends" || fail "it does not depend on $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = quorvex ] || fail "the package is not named quorvex"

echo "package: 1 passed, 0 failed"
