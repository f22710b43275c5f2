#!/bin/sh
# Installs what is missing, builds Vintaro with its tests and runs them all:
# once in a normal build, once under AddressSanitizer and UndefinedBehaviorSanitizer;
# builds the Debian package from the normal build and checks it with lintian.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure --no-tests=error -j"$jobs"
scripts/package.sh build

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVINTARO_SANITIZE=ON -DVINTARO_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure --no-tests=error -j"$jobs"
