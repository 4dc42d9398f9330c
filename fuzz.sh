#!/usr/bin/env bash
# Runs the libFuzzer harnesses of fuzz/ (built with clang in build-fuzz):
#   ./fuzz.sh                  every harness for 60 seconds each
#   ./fuzz.sh READER           one harness (fuzz/READER_fuzz.cpp) for 60 seconds
#   ./fuzz.sh READER SECONDS   one harness for the given time
#   ./fuzz.sh all SECONDS      every harness for the given time each
#   ./fuzz.sh READER SECONDS RUNS   stop after RUNS inputs or SECONDS, whichever comes first
# The seed corpus is copied to a scratch folder first, so fuzzing never changes fuzz/corpus/;
# inputs that crash, hang or trip a sanitizer are saved in fuzz/crashes/READER/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

reader="${1:-all}"
seconds="${2:-60}"
runs="${3:--1}"

# clang with its runtime libraries (libFuzzer among them).
mv_install_packages clang
if ! ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
    mv_install_packages libclang-rt-dev
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMV_FUZZ=ON -DMV_BUILD_GUI=OFF -DMV_BUILD_TESTS=OFF -DMV_BUILD_BENCH=OFF >/dev/null

if [ "$reader" = "all" ]; then
    readers=()
    for f in fuzz/*_fuzz.cpp; do
        name="$(basename "$f")"
        readers+=("${name%_fuzz.cpp}")
    done
else
    [ -f "fuzz/${reader}_fuzz.cpp" ] || { echo "No harness fuzz/${reader}_fuzz.cpp" >&2; exit 2; }
    readers=("$reader")
fi

targets=()
for r in "${readers[@]}"; do targets+=("fuzz_$r"); done
cmake --build build-fuzz -j "$(mv_jobs)" --target "${targets[@]}"

status=0
for r in "${readers[@]}"; do
    scratch="build-fuzz/corpus/$r"
    mkdir -p "$scratch" "fuzz/crashes/$r"
    [ -d "fuzz/corpus/$r" ] && cp -n fuzz/corpus/"$r"/* "$scratch"/ 2>/dev/null || true
    echo "=== $r: ${seconds} s$([ "$runs" -ge 0 ] && echo ", at most $runs inputs")"
    set +e
    "build-fuzz/fuzz/fuzz_$r" "$scratch" -max_total_time="$seconds" -runs="$runs" -max_len=1048576 \
        -timeout=1 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="fuzz/crashes/$r/" >"build-fuzz/fuzz_$r.log" 2>&1
    rc=$?
    set -e
    grep -E "cov:" "build-fuzz/fuzz_$r.log" | tail -n 1 || true
    grep -E "^stat::(number_of_executed_units|average_exec_per_sec)|^SUMMARY|artifact" \
        "build-fuzz/fuzz_$r.log" || true
    if [ $rc -ne 0 ]; then
        echo "!!! $r failed; see build-fuzz/fuzz_$r.log and fuzz/crashes/$r/" >&2
        status=1
    fi
done
exit $status
