#!/usr/bin/env bash
# Builds everything in Debug with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test through ctest (GUI tests on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
mv_install_packages

cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMV_SANITIZE=ON >/dev/null
cmake --build build-test -j "$(mv_jobs)"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-test --output-on-failure -j "$(mv_jobs)"
