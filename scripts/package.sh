#!/bin/sh
# Builds the Debian package in a build folder (default: build, configured
# when it is not yet) and checks it: desktop entry, AppStream data and
# lintian, failing on errors.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVINTARO_TESTS=OFF -DVINTARO_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target vintaro2011 vintaro_packaging >/dev/null
desktop-file-validate packaging/io.github.vintaro.Vintaro.desktop
appstreamcli validate --no-net packaging/io.github.vintaro.Vintaro.metainfo.xml
rm -f "$build"/vintaro_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vintaro_*.deb)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"
# lintian warns that it runs as root; CI does.
lintian --fail-on error "$deb"
