#!/usr/bin/env bash
# Median whole-process time of "hydrim-cli compute FILE --json" per project
# (start-up included). Usage:
#   bench/time_compute.sh CLI [RUNS] [PROJECT...]
# Defaults: 31 runs over bench/hard/*.snp. Prefix with "taskset -c 0" to
# time on one core.
set -euo pipefail
cli=${1:?hydrim-cli binary}
runs=${2:-31}
root=$(cd "$(dirname "$0")/.." && pwd)
shift $(($# < 2 ? $# : 2))
projects=("$@")
[ ${#projects[@]} -gt 0 ] || projects=("$root"/bench/hard/*.snp)
all=()
for project in "${projects[@]}"; do
    "$cli" compute "$project" --json --data "$root/DATA" >/dev/null # warm the caches
    times=()
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        "$cli" compute "$project" --json --data "$root/DATA" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    all+=("${times[@]}")
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
    printf '%-24s median %7.2f ms\n' "$(basename "$project")" "$(echo "$median / 1000" | bc -l)"
done
median=$(printf '%s\n' "${all[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
printf '%-24s median %7.2f ms\n' "all" "$(echo "$median / 1000" | bc -l)"
