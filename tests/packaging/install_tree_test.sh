#!/bin/sh
# cmake --install into a new prefix gives a tree that holds everything the
# desktop needs and runs from there.
# Usage: install_tree_test.sh BUILD_DIR VERSION DESKTOP_ID
set -eu
build=$1 version=$2 id=$3
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(tail -n 3 "$work/install.log")"
for path in bin/oltoma bin/oltoma-tool \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/16x16/apps/$id.png \
    share/icons/hicolor/256x256/apps/$id.png \
    share/man/man1/oltoma.1.gz share/man/man1/oltoma-tool.1.gz \
    share/doc/oltoma/copyright share/doc/oltoma/changelog.gz; do
    [ -e "$prefix/$path" ] || fail "the tree lacks $path"
done

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run"
unset XDG_CONFIG_HOME
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/data"
chmod 700 "$XDG_RUNTIME_DIR"
[ "$("$prefix/bin/oltoma" --version | head -n 1)" = "oltoma $version" ] || fail "oltoma --version"
[ "$("$prefix/bin/oltoma-tool" --version)" = "oltoma-tool $version" ] || fail "oltoma-tool --version"
"$prefix/bin/oltoma-tool" newfiles "$work/data" >"$work/newfiles.log" 2>&1 ||
    fail "oltoma-tool newfiles: $(cat "$work/newfiles.log")"
[ -e "$work/data/CLUBAR.DAT" ] || fail "newfiles made no CLUBAR.DAT"
echo "installed tree complete and running"
