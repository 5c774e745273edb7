#!/usr/bin/env bash
# Median wall time of 30 starts of kwitarnia (in a fresh demo folder) until
# its window has painted, against a minimal Qt program showing one window.
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

# The first start creates the missing document file; time the later ones.
(cd "$folder/demo" && "$root/$build/app/kwitarnia" --quit-when-shown >/dev/null 2>&1)
minimal=$(median_ms "$root/$build/bench/minimal_window")
program=$(cd "$folder/demo" && median_ms "$root/$build/app/kwitarnia" --quit-when-shown)
echo "minimal Qt window: ${minimal} ms"
echo "kwitarnia:         ${program} ms"
awk -v a="$program" -v b="$minimal" 'BEGIN {printf "ratio:             %.2f (target at most 1.30)\n", a/b}'
