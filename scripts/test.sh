#!/usr/bin/env bash
# Installs what is missing, builds Vorpo with its tests and runs the whole suite.
# With --sanitize the suite is built and run once more under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure -j2
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "${1:-}" = "--sanitize" ]; then
  run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORPO_SANITIZE=ON
fi
