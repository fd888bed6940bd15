#!/bin/sh
# Installs every Debian 12 package needed to build, run and test oltoma.
# Run as root or through sudo.
set -eu
if [ "$(id -u)" -ne 0 ]; then
    exec sudo "$0" "$@"
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
    build-essential cmake ninja-build pkg-config \
    qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins qt6-translations-l10n \
    libgtest-dev libgmock-dev libbenchmark-dev \
    libturbojpeg0-dev libsqlite3-dev libxml2-dev libxml2-utils \
    clang-14 libclang-rt-14-dev \
    fonts-liberation2 \
    cups cups-client cups-bsd poppler-utils \
    xdg-utils \
    scdoc librsvg2-bin desktop-file-utils appstream lintian man-db
