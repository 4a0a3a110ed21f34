#!/usr/bin/env bash
# The batch benchmark: hydrim-cli batch over a generated table of COUNT
# realistic catchments (bench/make_batch_table.py, fixed seed) with 2 jobs,
# the summary workbook of 5 x COUNT rows (Variant I catchments), and the
# largest memory of each run. Usage:
#   bench/batch.sh BUILD_DIR [COUNT]
set -euo pipefail
build=${1:?build directory}
count=${2:-10000}
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$build/src/cli/hydrim-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$root/bench/make_batch_table.py" "$work/mixed.csv" "$count"
python3 "$root/bench/make_batch_table.py" "$work/variant1.csv" "$count" --variant1

# Runs the batch and prints its wall time [s] and largest resident memory [MB].
run() {
    local label=$1
    shift
    /usr/bin/time -f "%e %M" -o "$work/time" "$cli" batch "$@" --data "$root/DATA" --quiet --force 2>/dev/null || true
    read -r seconds kilobytes < <(tail -n 1 "$work/time")
    printf '%-58s %7.1f s %7.0f MB\n' "$label" "$seconds" "$((kilobytes / 1024))"
}

run "$count mixed catchments, 2 jobs, CSV" "$work/mixed.csv" -o "$work/mixed.csv.out.csv" --jobs 2
run "$count mixed catchments, 1 job, CSV" "$work/mixed.csv" -o "$work/mixed1.csv" --jobs 1
run "$count Variant I catchments ($((count * 5)) rows), 2 jobs, CSV" "$work/variant1.csv" -o "$work/v1.csv" --jobs 2
run "$count Variant I catchments ($((count * 5)) rows), 2 jobs, xlsx" "$work/variant1.csv" -o "$work/v1.xlsx" --jobs 2
echo "summary rows: $(($(wc -l <"$work/mixed.csv.out.csv") - 1)) (mixed), $(($(wc -l <"$work/v1.csv") - 1)) (Variant I)"
echo "statuses (mixed): $(cut -d';' -f6 "$work/mixed.csv.out.csv" | tail -n +2 | sort | uniq -c | tr -s ' ' | paste -sd,)"
