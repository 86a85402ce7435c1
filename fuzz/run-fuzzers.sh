#!/usr/bin/env bash
# Builds every libFuzzer target of fuzz/ and runs each (or the TARGETs named) for SECONDS
# (default 600), one after the other, with its corpus kept in build-fuzz/corpus/<target>. Prints per target the executions,
# the crashes and the hangs (an input that runs longer than 60 s: generous, because a machine
# shared with builds can stall a process for seconds); exits non-zero when any target found one.
# Crash inputs land in build-fuzz/findings/<target>/.
# Usage: fuzz/run-fuzzers.sh [SECONDS [TARGET ...]]   (FUZZ_BUILD_DIR: another build folder)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
[ $# -gt 0 ] && shift
build=${FUZZ_BUILD_DIR:-$root/build-fuzz}

cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build"

# Qt needs no display for text, and no leak reports from its global caches.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=0
printf '%-28s %12s %8s %6s %s\n' target executions crashes hangs seconds
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("$build"/*_fuzz)
for fuzzer in "${targets[@]}"; do
    fuzzer=$build/$(basename "$fuzzer")
    [[ -x $fuzzer ]] || continue
    name=$(basename "$fuzzer")
    corpus=$build/corpus/$name
    findings=$build/findings/$name
    log=$build/$name.log
    mkdir -p "$corpus" "$findings"
    seeds=()
    [[ -d $root/fuzz/seeds/$name ]] && seeds=("$root/fuzz/seeds/$name")
    status=0
    "$fuzzer" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" \
        >"$log" 2>&1 || status=$?
    runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
    crashes=$(find "$findings" -name 'crash-*' -o -name 'leak-*' -o -name 'oom-*' | wc -l)
    hangs=$(find "$findings" -name 'timeout-*' | wc -l)
    printf '%-28s %12s %8s %6s %s\n' "$name" "${runs:-?}" "$crashes" "$hangs" "$seconds"
    if [[ $status -ne 0 || $crashes -ne 0 || $hangs -ne 0 ]]; then
        failed=1
        tail -n 40 "$log" >&2
    fi
done
exit $failed
