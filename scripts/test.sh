#!/bin/sh
# Installs what is missing, builds Vintaro with its tests and runs them all:
# once in a normal build (build/), once under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/); then builds the Debian package in
# its own folder (build-deb/) and checks it. Every build option is set here,
# so whatever configured these folders before (scripts/run.sh turns the tests
# off in build/) does not change what this builds and runs.
#   scripts/test.sh [--configure-only]
set -eu
cd "$(dirname "$0")/.."
configure_only=no
[ "${1:-}" = "--configure-only" ] && configure_only=yes
scripts/install-deps.sh build tests packaging
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVINTARO_SANITIZE=OFF -DVINTARO_FUZZ=OFF \
    -DVINTARO_TESTS=ON -DVINTARO_BENCH=ON >/dev/null
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVINTARO_SANITIZE=ON -DVINTARO_FUZZ=OFF \
    -DVINTARO_TESTS=ON -DVINTARO_BENCH=OFF >/dev/null
[ "$configure_only" = no ] || exit 0

cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"
scripts/package.sh

cmake --build build-asan -j"$jobs"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs"
