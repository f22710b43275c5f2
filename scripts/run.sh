#!/bin/sh
# Installs what is missing, builds Vintaro and starts it.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVINTARO_TESTS=OFF -DVINTARO_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
exec build/program/vintaro2011
