#!/usr/bin/env bash
# Installs what is missing, builds Vorpo and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The test script shares this build folder and turns warnings into errors there; the game
# itself is always built without, so that a newer compiler's warning never stops it.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORPO_WERROR=OFF
cmake --build build --target vorpo
exec build/app/vorpo "$@"
