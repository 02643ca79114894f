#!/usr/bin/env bash
# Start-up time and memory of the game beside the floor (a bare Qt Widgets window), each started
# 5 times, alternately, under a private X server; with the solitaire collection `sol` as well
# when it is installed. Prints each run and the medians: milliseconds from the start to the
# first viewable window, and resident memory 2 s after the start.
#   bash bench/startup.sh [build folder, default build]   (VORPO_STARTUP_RUNS=n for n runs each)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${VORPO_STARTUP_RUNS:-5}

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target vorpo vorpo_startup_floor vorpo_first_window

# The game reads and writes its settings beside itself: a copy in a folder of its own starts
# as for a new player, and leaves the build's settings alone.
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$build/app/vorpo" "$work/vorpo"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

declare -A programs=([floor]="$build/bench/startup/vorpo_startup_floor" [vorpo]="$work/vorpo")
order=(floor vorpo)
# Debian puts its games in /usr/games, which a root shell's PATH leaves out.
sol=$(PATH="$PATH:/usr/games" command -v sol || true)
if [ -n "$sol" ]; then
  programs[sol]=$sol
  order+=(sol)
fi

declare -A times memory
for run in $(seq "$runs"); do
  for name in "${order[@]}"; do
    read -r ms kb < <("$build/bench/startup/vorpo_first_window" "${programs[$name]}")
    echo "run $run $name: ${ms} ms, $((kb / 1024)) MB"
    times[$name]+="$ms "
    memory[$name]+="$kb "
  done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo
printf '%-6s %10s %10s\n' "" "ms" "MB"
declare -A mt mm
for name in "${order[@]}"; do
  mt[$name]=$(echo "${times[$name]}" | median)
  mm[$name]=$(echo "${memory[$name]}" | median)
  awk -v n="$name" -v t="${mt[$name]}" -v m="${mm[$name]}" 'BEGIN {printf "%-6s %10s %10.1f\n", n, t, m / 1024}'
done
echo
awk -v t="${mt[vorpo]}" -v f="${mt[floor]}" -v m="${mm[vorpo]}" -v g="${mm[floor]}" \
  'BEGIN {printf "vorpo / floor: time x%.2f, memory %+.1f MB\n", t / f, (m - g) / 1024}'
if [ -n "${mt[sol]:-}" ]; then
  awk -v t="${mt[vorpo]}" -v s="${mt[sol]}" -v m="${mm[vorpo]}" -v r="${mm[sol]}" \
    'BEGIN {printf "vorpo / sol: time x%.2f, memory x%.2f\n", t / s, m / r}'
fi
