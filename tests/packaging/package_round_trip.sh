#!/bin/sh
# The Debian package's round trip, as a club's support person does it: build
# the package from the build folder, install it with apt-get, run the
# installed programs (versions, oltoma-tool newfiles in a new folder, oltoma
# offscreen for a few seconds in a fresh HOME, which must write its
# configuration file), remove the package and check that nothing of it is
# left in /usr. Installing into /usr needs root (CI runs as root); elsewhere
# the test is skipped (exit status 77). Safe to run again and concurrently:
# runs on one machine take turns, a package left installed by an interrupted
# run is removed first, and the package is removed however the test ends.
# Usage: package_round_trip.sh BUILD_DIR VERSION
set -eu
build=$(cd "$1" && pwd) version=$2
skip() { echo "package round trip skipped: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "it installs the package into /usr, which needs root (CI runs it)"
for tool in apt-get dpkg dpkg-deb cpack flock; do
    command -v "$tool" >/dev/null || skip "$tool is missing: not a Debian machine set up for it"
done

# One round trip at a time on this machine.
exec 9>/var/lock/oltoma-package-round-trip.lock
flock -w 600 9 || fail "another package round trip holds the machine for over 10 minutes"

installed() { dpkg-query -W -f='${db:Status-Status}' oltoma 2>/dev/null | grep -qx installed; }
apt() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"; }

work=$(mktemp -d)
chmod 755 "$work"  # apt-get reads the package as its own user
cleanup() {
    if installed; then
        apt purge oltoma >"$work/cleanup.log" 2>&1 || cat "$work/cleanup.log"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

if installed; then
    echo "an installed oltoma package is removed first"
    apt purge oltoma >"$work/purge.log" 2>&1 || fail "apt-get purge: $(tail -n 5 "$work/purge.log")"
fi

(cd "$build" && cpack -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 5 "$work/cpack.log")"
deb=$work/deb/oltoma_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/deb")"
chmod 755 "$work/deb"
apt install "$deb" >"$work/install.log" 2>&1 || fail "apt-get install: $(tail -n 5 "$work/install.log")"
installed || fail "the package is not installed after apt-get install"

# The installed programs, in a fresh HOME and lock folder of their own.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen
unset XDG_CONFIG_HOME XDG_DOCUMENTS_DIR
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$work/data"
chmod 700 "$XDG_RUNTIME_DIR"
[ "$(command -v oltoma)" = /usr/bin/oltoma ] || fail "oltoma is not /usr/bin/oltoma on the PATH"
got=$(/usr/bin/oltoma --version | head -n 1)
[ "$got" = "oltoma $version" ] || fail "oltoma --version: $got"
got=$(/usr/bin/oltoma-tool --version)
[ "$got" = "oltoma-tool $version" ] || fail "oltoma-tool --version: $got"
/usr/bin/oltoma-tool newfiles "$work/data" >"$work/newfiles.log" 2>&1 ||
    fail "oltoma-tool newfiles: $(cat "$work/newfiles.log")"
[ -e "$work/data/CLUBAR.DAT" ] || fail "oltoma-tool newfiles made no CLUBAR.DAT"
man -w oltoma-tool >/dev/null 2>&1 || fail "man does not find oltoma-tool"

status=0
timeout 5 /usr/bin/oltoma >"$work/oltoma.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "oltoma ended within 5 s with status $status: $(tail -n 5 "$work/oltoma.log")"
config=$HOME/.config/OltomaW64/OltomaW64.P64
[ -f "$config" ] || fail "oltoma wrote no configuration file $config"
[ "$(stat -c %s "$config")" -eq 318272 ] || fail "$config is not 318272 bytes"

# Removal leaves nothing of the package in /usr.
dpkg -L oltoma >"$work/files.txt"
apt purge oltoma >"$work/purge.log" 2>&1 || fail "apt-get purge: $(tail -n 5 "$work/purge.log")"
! installed || fail "the package is still installed after apt-get purge"
left=""
while read -r path; do
    case $path in /usr/*) ;; *) continue ;; esac
    if [ -e "$path" ] && [ ! -d "$path" ]; then
        left="$left $path"
    fi
done <"$work/files.txt"
for folder in /usr/share/doc/oltoma /usr/share/oltoma; do
    [ ! -e "$folder" ] || left="$left $folder"
done
[ -z "$left" ] || fail "left in /usr after removal:$left"
echo "package round trip: $(basename "$deb") installed, run and removed"
