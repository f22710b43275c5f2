#!/bin/sh
# Installs every Debian package that building, running and testing Vintaro
# needs, and nothing that is already there.
set -eu
PACKAGES="build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
libgtest-dev libgmock-dev googletest libbenchmark-dev libboost-math-dev fonts-liberation2 xvfb xauth
imagemagick xdg-utils desktop-file-utils appstream lintian dpkg-dev file librsvg2-bin
clang libclang-rt-14-dev libpcg-cpp-dev qt6-charts-dev libqt6opengl6-dev"
missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    echo "Installing:$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
