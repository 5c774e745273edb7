# Timing helpers the command-line benchmarks share; sourced, not run.

# Median wall time in milliseconds of COUNT runs of the command.
median_ms() {
  local count=$1
  shift
  local times=()
  for _ in $(seq "$count"); do
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

# Peak memory of the command in MiB (/usr/bin/time, maximum resident set size).
peak_mib() {
  /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1 | awk '{printf "%.1f", $1/1024}'
}
