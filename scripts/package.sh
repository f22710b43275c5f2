#!/bin/sh
# Builds the Debian package from a configured build folder (default: build)
# and checks it: desktop entry, AppStream data and lintian, failing on errors.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" -j"$(nproc)" --target vintaro2011 vintaro_packaging >/dev/null
desktop-file-validate packaging/io.github.vintaro.Vintaro.desktop
appstreamcli validate --no-net packaging/io.github.vintaro.Vintaro.metainfo.xml
rm -f "$build"/vintaro_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vintaro_*.deb)
echo "Package: $deb ($(stat -c %s "$deb") bytes)"
# lintian warns that it runs as root; CI does.
lintian --fail-on error "$deb"
