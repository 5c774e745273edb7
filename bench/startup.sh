#!/usr/bin/env bash
# Start-up of kwitarnia (in a fresh demo folder) until its window has painted,
# against a minimal Qt program showing one window and against the same widget
# tree and fonts without the program's logic (widget_tree_baseline): median
# wall time of 30 starts, and the instructions executed (callgrind), which
# unlike wall time repeat on a busy machine.
set -euo pipefail
build=${1:-build-bench}
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$root/$build/app/demo/kwitarnia-demo" "$folder/demo" >/dev/null
export QT_QPA_PLATFORM=offscreen

median_ms() {
  local times=()
  for _ in $(seq 30); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.1f", a[int((NR+1)/2)]/1000}'
}

instructions() {
  local out="$folder/callgrind.out"
  valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1
  awk '/^summary:/ {print $2}' "$out"
}

ratios() {
  awk -v p="$1" -v m="$2" -v b="$3" 'BEGIN {
    printf "  kwitarnia / minimal window: %.2f (goal 1.30)\n", p / m
    printf "  kwitarnia / widget tree:    %.2f (goal 1.10)\n", p / b
    printf "  widget tree / minimal:      %.2f (Qt'"'"'s own cost of the widgets and fonts)\n", b / m
  }'
}

# The first start creates the missing document file; time the later ones.
(cd "$folder/demo" && "$root/$build/app/kwitarnia" --quit-when-shown >/dev/null 2>&1)
minimal=$(median_ms "$root/$build/bench/minimal_window")
tree=$(median_ms "$root/$build/bench/widget_tree_baseline")
program=$(cd "$folder/demo" && median_ms "$root/$build/app/kwitarnia" --quit-when-shown)
echo "Wall time, median of 30: minimal window ${minimal} ms, widget tree ${tree} ms, kwitarnia ${program} ms"
ratios "$program" "$minimal" "$tree"

minimal=$(instructions "$root/$build/bench/minimal_window")
tree=$(instructions "$root/$build/bench/widget_tree_baseline")
program=$(cd "$folder/demo" && instructions "$root/$build/app/kwitarnia" --quit-when-shown)
echo "Instructions (callgrind): minimal window $minimal, widget tree $tree, kwitarnia $program"
ratios "$program" "$minimal" "$tree"
