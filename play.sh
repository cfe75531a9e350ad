#!/usr/bin/env bash
# Sets up everything that is missing, builds the game and its data, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
scripts/configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build/game
if [[ -x ./burrowix ]]; then
  exec ./burrowix
fi
echo "play.sh: the game executable is not part of this build yet; built tools:"
ls -1 burrowix-* 2>/dev/null || true
