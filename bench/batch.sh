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

# Runs the batch and prints its wall and CPU (user) time [s] and largest resident memory [MB].
run() {
    local label=$1
    shift
    /usr/bin/time -f "%e %U %M" -o "$work/time" "$cli" batch "$@" --data "$root/DATA" --quiet --force 2>/dev/null || true
    read -r seconds user kilobytes < <(tail -n 1 "$work/time")
    printf '%-58s %7.1f s wall %7.1f s CPU %5d MB\n' "$label" "$seconds" "$user" "$((kilobytes / 1024))"
}

run "$count mixed catchments, 2 jobs, CSV" "$work/mixed.csv" -o "$work/mixed.csv.out.csv" --jobs 2
run "$count mixed catchments, 1 job, CSV" "$work/mixed.csv" -o "$work/mixed1.csv" --jobs 1
run "$count Variant I catchments ($((count * 5)) rows), 2 jobs, CSV" "$work/variant1.csv" -o "$work/v1.csv" --jobs 2
run "$count Variant I catchments ($((count * 5)) rows), 2 jobs, xlsx" "$work/variant1.csv" -o "$work/v1.xlsx" --jobs 2
# Rows and statuses of the summaries (a message may span lines, so read them as CSV).
for summary in "$work/mixed.csv.out.csv" "$work/v1.csv"; do
    python3 - "$summary" <<'PY'
import collections, csv, sys
rows = list(csv.reader(open(sys.argv[1], encoding="utf-8-sig"), delimiter=";"))[1:]
print("%d summary rows: %s" % (len(rows), dict(collections.Counter(row[5] for row in rows))))
PY
done
