#!/bin/sh
# Installs what building and running need, builds Vintaro in build/ and
# starts it from its program folder, build/program/. Every build option is
# set here, so whatever configured build/ before (scripts/test.sh turns the
# tests on) does not change what this builds.
#   scripts/run.sh [--configure-only] [program options…]
set -eu
cd "$(dirname "$0")/.."
configure_only=no
if [ "${1:-}" = "--configure-only" ]; then
    configure_only=yes
    shift
fi
scripts/install-deps.sh build
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVINTARO_SANITIZE=OFF -DVINTARO_FUZZ=OFF \
    -DVINTARO_TESTS=OFF -DVINTARO_BENCH=OFF >/dev/null
[ "$configure_only" = no ] || exit 0
cmake --build build -j"$(nproc)" --target vintaro2011
exec build/program/vintaro2011 "$@"
