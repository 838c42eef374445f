#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal
# build with warnings as errors, and a clang build with the address and
# undefined-behaviour sanitizers that also runs the fuzz targets briefly.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export SOLVANE_AUDIO_SINK=fakesink
jobs="$(nproc)"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOLVANE_WERROR=ON
cmake --build build -j "$jobs"

cmake -S . -B build-sanitize -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=Debug -DSOLVANE_WERROR=ON \
  -DSOLVANE_SANITIZE=ON -DSOLVANE_FUZZ=ON -DSOLVANE_BENCH=OFF
cmake --build build-sanitize -j "$jobs"

echo "== normal build =="
(cd build && ctest --output-on-failure -j "$jobs")
echo "== sanitizer build =="
(cd build-sanitize && ctest --output-on-failure -j "$jobs")
