#!/bin/sh
# The Debian package built from the build folder passes lintian without an
# error or a warning (informational notes are printed, not failed on).
# Usage: package_lintian_test.sh BUILD_DIR VERSION
set -eu
build=$(cd "$1" && pwd) version=$2
fail() { echo "FAIL: $*"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 5 "$work/cpack.log")"
deb=$work/deb/oltoma_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
lintian --display-info "$deb" >"$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
! grep -q '^[EW]: ' "$work/lintian.txt" || fail "lintian reports errors or warnings"
echo "lintian: no errors or warnings on $(basename "$deb")"
