#!/usr/bin/env bash
# Makes the help pages' pictures (help/ru/img/*.png) from the running program on the bundled
# sample archive, so that they show the program as it is now. Builds the tool when needed.
# Usage: tools/make_help_shots.sh [build folder]   (default: build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-test}"
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target help_shots
QT_QPA_PLATFORM=offscreen "$build/tools/help_shots" data/sample/Marvolet_5z36.ldr help/ru/img
