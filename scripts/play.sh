#!/usr/bin/env bash
# Installs what is missing, builds Vorpo and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The game is built where the test script builds it, so that its settings file beside the
# program stays the same and neither script rebuilds what the other built. Warnings stop the
# build only where the test script has asked for that; a fresh build leaves them warnings.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vorpo
exec build/app/vorpo "$@"
