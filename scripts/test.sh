#!/usr/bin/env bash
# Installs what is missing, builds Vorpo with its tests and runs the whole suite.
# With --sanitize the suite is built and run once more under AddressSanitizer and UBSan.
# With --no-gui only the build without the Qt parts is made and tested (in build-nogui): the
# engine, the simulator, the settings store, the results file and the tools without a window.
# Every build here is made with VORPO_WERROR: a warning fails the run, as it fails CI.
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case $mode in
  "" | --sanitize | --no-gui) ;;
  *)
    echo "usage: bash scripts/test.sh [--sanitize | --no-gui]" >&2
    exit 2
    ;;
esac

bash scripts/install-deps.sh

run_suite() {
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DVORPO_WERROR=ON "$@"
  cmake --build "$dir"
  ctest --test-dir "$dir" --output-on-failure -j2
}

if [ "$mode" = "--no-gui" ]; then
  run_suite build-nogui -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORPO_GUI=OFF
else
  run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  if [ "$mode" = "--sanitize" ]; then
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVORPO_SANITIZE=ON
  fi
fi
