#!/usr/bin/env bash
# Time of `kwitarnia pdf --month` exporting a month of 1000 bills (BILLS=N
# for another count) to one PDF: median wall time of 5 runs, with the
# page count and size of the file.
#   bench/pdf_month.sh [BUILD_FOLDER]     (default build-bench)
set -euo pipefail
build=${1:-build-bench}
bills=${BILLS:-1000}
root=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$root/$build" --target kwitarnia cli_bill_folder -j2 >/dev/null
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$root/$build/tests/cli/cli_bill_folder" "$folder/data" "$bills" 2009-03
pdf="$folder/marzec.pdf"

if command -v hyperfine >/dev/null; then
  (cd "$folder/data" && hyperfine --warmup 1 --runs 5 \
    "'$root/$build/app/kwitarnia' pdf --month 2009-03 '$pdf'")
else
  times=()
  for _ in 1 2 3 4 5; do
    start=$(date +%s%N)
    (cd "$folder/data" && "$root/$build/app/kwitarnia" pdf --month 2009-03 "$pdf" >/dev/null)
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
  echo "pdf --month, $bills bills: median ${median} ms of 5 runs (${times[*]} ms)"
  (cd "$folder/data" && /usr/bin/time -f "last run: %e s wall, %M KiB peak memory" \
    "$root/$build/app/kwitarnia" pdf --month 2009-03 "$pdf" >/dev/null) 2>&1
fi
pages=$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
echo "PDF: ${pages:-?} pages, $(stat -c %s "$pdf") bytes"
