#!/bin/sh
# The desktop entry and the AppStream metadata pass Debian's validators, and
# they name the icon and the launcher the build installs.
# Usage: desktop_metadata_test.sh DESKTOP_ENTRY METAINFO ICON_DIR DESKTOP_ID
set -eu
desktop=$1 metainfo=$2 icons=$3 id=$4
fail() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

[ "$(basename "$desktop")" = "$id.desktop" ] || fail "the desktop entry is not named $id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -qx "Exec=oltoma" "$desktop" || fail "the desktop entry does not start oltoma"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
for size in 16 32 48 64 128 256; do
    png=$icons/${size}x$size/apps/$id.png
    [ -s "$png" ] || fail "no icon $png"
    # The PNG header's width and height, big-endian at bytes 16 and 20.
    [ "$(od --endian=big -An -tu4 -j16 -N8 "$png" | tr -s ' ')" = " $size $size" ] ||
        fail "$png is not $size x $size"
done
echo "desktop entry and metadata valid"
