#!/usr/bin/env bash
# Installs what is missing, builds the player and starts it. The first run
# (no state file yet) plays the demo song, so its lyrics light up at once;
# later runs start as the player was left.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target solvane
if [ "$#" -eq 0 ] && [ ! -e build/solvane.dat ]; then
  set -- "build/demo/Paper Lanterns.mid"
fi
exec build/solvane "$@"
