#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan and UBSan) and runs each for the given number
# of seconds (default 60). Every parser of outside bytes has a target here. libFuzzer exits
# non-zero, leaving crash-* files in build-fuzz/, when it finds a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/install-deps.sh

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORPO_FUZZ=ON
ninja -C build-fuzz -j2 vorpo_fuzz_settings vorpo_fuzz_resource_module vorpo_fuzz_image_pack vorpo_fuzz_results_file \
  vorpo_fuzz_statistics_file

run() {
  local name=$1; shift
  mkdir -p "build-fuzz/corpus/$name"
  (cd build-fuzz && QT_QPA_PLATFORM=offscreen "fuzz/$name/vorpo_fuzz_$name" \
    -max_total_time="$seconds" -print_final_stats=1 "$@" "corpus/$name" "../fuzz/$name/seeds")
}
run settings -dict=../fuzz/settings/settings.dict
run resource_module -dict=../fuzz/resource_module/pe.dict
run image_pack -dict=../fuzz/image_pack/pe.dict
run results_file
run statistics_file
