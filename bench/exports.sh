#!/usr/bin/env bash
# The command line's listings and exports on document files of 20 000 and
# 200 000 bills (BILLS="N ..." for other sizes), against a plain read of the
# same file (cat FILE >/dev/null): median wall time of RUNS runs (default 5;
# the XLSX export runs once per size beyond 20 000 bills) and peak memory
# (/usr/bin/time, maximum resident set size). Memory should not grow with the
# number of bills (check keeps a few numbers of each), and list, list --csv
# and check should take at most 1.5 times the plain read. These bills give
# check many findings (a corrective bill at every 20th number leaves a gap,
# and the issue dates go round the months), so its time includes printing
# tens of thousands of lines.
#   bench/exports.sh [BUILD_FOLDER]     (default build-bench)
set -euo pipefail
build=${1:-build-bench}
runs=${RUNS:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
kwitarnia="$root/$build/app/kwitarnia"
cmake --build "$root/$build" --target kwitarnia export_folder -j2 >/dev/null
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

source "$root/bench/measure.sh"

for bills in ${BILLS:-20000 200000}; do
  data="$folder/dane-$bills"
  "$root/$build/bench/export_folder" "$data" "$bills"
  file="$data/Uslugi/dokumenty_r.dat"
  cd "$data"
  cat "$file" >/dev/null # into the page cache
  plain=$(median_ms "$runs" cat "$file")
  echo "== $bills bills, $(( $(stat -c %s "$file") / 1048576 )) MiB: plain read (cat) ${plain} ms, peak $(peak_mib cat "$file") MiB"
  printf '%-28s %10s %10s %10s\n' command "ms" "x read" "peak MiB"
  xlsx_runs=$runs
  [ "$bills" -gt 20000 ] && xlsx_runs=1
  while IFS='|' read -r name count command; do
    # shellcheck disable=SC2086
    ms=$(median_ms "$count" $command)
    # shellcheck disable=SC2086
    peak=$(peak_mib $command)
    printf '%-28s %10s %10s %10s\n' "$name" "$ms" "$(awk -v a="$ms" -v b="$plain" 'BEGIN {printf "%.2f", a / (b > 0 ? b : 1)}')" "$peak"
  done <<LIST
list|$runs|$kwitarnia list
list --csv FILE|$runs|$kwitarnia list --csv $folder/lista.csv
list --csv (standard output)|$runs|$kwitarnia list --csv
list --xlsx FILE|$xlsx_runs|$kwitarnia list --xlsx $folder/lista.xlsx
summary 2009|$runs|$kwitarnia summary 2009
check|$runs|$root/bench/allow_findings.sh $kwitarnia check
LIST
  cd "$root"
  rm -rf "$data"
done
