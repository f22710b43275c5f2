#!/bin/sh
# The long random session: 100 000 random actions through the main window
# (or as many as the first argument says), with a seed (second argument).
# Builds window_tests in build/ when needed. The program folders lie in
# /dev/shm when it exists, so that the saves' fsync does not set the pace.
#   scripts/soak.sh [actions, default 100000] [seed, default 8]
set -eu
cd "$(dirname "$0")/.."
actions=${1:-100000}
seed=${2:-8}
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j2 --target window_tests >/dev/null
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
begin=$(date +%s)
QT_QPA_PLATFORM=offscreen VINTARO_RANDOM_ACTIONS=$actions VINTARO_RANDOM_SEED=$seed \
    build/tests/window_tests --gtest_filter='RandomSessionTest.*' --gtest_brief=1
echo "soak: $actions actions, seed $seed, $(( $(date +%s) - begin )) s"
cmake --build build -j2 --target persistence_tests >/dev/null && VINTARO_CRASH_KILLS=$((actions / 20)) build/tests/persistence_tests --gtest_filter='RoomOperations.AKill*' --gtest_brief=1
