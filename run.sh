#!/usr/bin/env bash
# Builds the program (Release) and starts it on ./data, which gets the bundled sample archive
# and the bundled systems on the first run. Arguments after "--" go to the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh
mv_install_packages

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DMV_BUILD_TESTS=OFF -DMV_BUILD_BENCH=OFF >/dev/null
cmake --build build-release -j "$(mv_jobs)" --target Marvolet_5z36 marvolet

mkdir -p data
if [ ! -e data/Marvolet_5z36.ldr ]; then
    cp data/sample/Marvolet_5z36.ldr data/
    echo "The sample archive (synthetic draws) was copied to ./data"
fi
if [ ! -e data/Systems ]; then
    mkdir -p data/Systems
    cp data/systems/*.dat data/Systems/
    echo "The bundled systems were copied to ./data/Systems"
fi

args=()
if [ "${1:-}" = "--" ]; then shift; args=("$@"); fi
exec ./build-release/src/app/Marvolet_5z36 --data-dir "$PWD/data" "${args[@]}"
