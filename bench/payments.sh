#!/usr/bin/env bash
# The receivables list and marking a bill paid on a document file of 200 000
# bills (BILLS="N ..." for other sizes), nine in ten paid by transfer and
# seven in ten marked paid in Uslugi/zaplaty.txt, against a plain read of the
# document file (cat FILE >/dev/null): median wall time of RUNS runs (default
# 5) and peak memory. Then the same work in one process (payment_scan), where
# the receivables list and the numbering check should take at most 1.5 times
# the plain read; the commands add the program's start to that.
#   bench/payments.sh [BUILD_FOLDER]     (default build-bench)
set -euo pipefail
build=${1:-build-bench}
runs=${RUNS:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
kwitarnia="$root/$build/app/kwitarnia"
cmake --build "$root/$build" --target kwitarnia export_folder payment_folder payment_scan -j2 >/dev/null
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT

source "$root/bench/measure.sh"

for bills in ${BILLS:-200000}; do
  data="$folder/dane-$bills"
  "$root/$build/bench/export_folder" "$data" "$bills"
  "$root/$build/bench/payment_folder" "$data"
  file="$data/Uslugi/dokumenty_r.dat"
  cd "$data"
  cat "$file" >/dev/null # into the page cache
  plain=$(median_ms "$runs" cat "$file")
  echo "== $bills bills, $(( $(stat -c %s "$file") / 1048576 )) MiB, $(( $(wc -l <"$data/Uslugi/zaplaty.txt") - 1 )) marks: plain read (cat) ${plain} ms"
  printf '%-28s %10s %10s %10s\n' command "ms" "x read" "peak MiB"
  while IFS='|' read -r name command; do
    # shellcheck disable=SC2086
    ms=$(median_ms "$runs" $command)
    # shellcheck disable=SC2086
    peak=$(peak_mib $command)
    printf '%-28s %10s %10s %10s\n' "$name" "$ms" "$(awk -v a="$ms" -v b="$plain" 'BEGIN {printf "%.2f", a / (b > 0 ? b : 1)}')" "$peak"
  done <<LIST
unpaid|$kwitarnia unpaid
unpaid --overdue|$kwitarnia unpaid --overdue
unpaid --csv FILE|$kwitarnia unpaid --csv $folder/naleznosci.csv
list --csv FILE|$kwitarnia list --csv $folder/lista.csv
--help (the program's start)|$kwitarnia --help
paid last 2009-12-31|$kwitarnia paid last 2009-12-31
LIST
  "$root/$build/bench/payment_scan" "$data" "$runs"
  cd "$root"
  rm -rf "$data"
done
