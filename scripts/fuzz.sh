#!/bin/sh
# Builds the libFuzzer targets of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for a bounded
# time over its seed corpus. Prints executions and time per target; exits
# non-zero when a target crashed, hung or broke an invariant (the input that
# did it is kept in build-fuzz/artifacts/).
#   scripts/fuzz.sh [seconds per target, default 60] [target ...]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-"fuzz_spinlist fuzz_roomfile fuzz_groupfiles fuzz_narrowing fuzz_roomtext fuzz_analysisreader fuzz_ledgerfile fuzz_importreaders"}
build=build-fuzz

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVINTARO_FUZZ=ON -DVINTARO_TESTS=OFF -DVINTARO_BENCH=OFF >/dev/null
fi
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets >/dev/null

mkdir -p "$build/artifacts" "$build/logs"
failed=0
printf '%-18s %12s %10s %8s  %s\n' target executions exec/s seconds result
for t in $targets; do
    work="$build/corpus/$t"
    mkdir -p "$work"
    log="$build/logs/$t.log"
    begin=$(date +%s)
    status=0
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$build/tests/fuzz/$t" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -max_len=8192 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$t-" \
        "$work" "tests/fuzz/corpus/$t" >"$log" 2>&1 || status=$?
    end=$(date +%s)
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    result=ok
    if [ "$status" -ne 0 ]; then
        result="FAILED (exit $status, see $log)"
        failed=1
    fi
    printf '%-18s %12s %10s %8s  %s\n' "$t" "${runs:-?}" "${rate:-?}" "$((end - begin))" "$result"
done
exit $failed
