#!/usr/bin/env bash
# Timed command-line run: "hydrim-cli compute" over COUNT project files
# (the example projects, copied round-robin). Usage:
#   bench/cli_loop.sh BUILD_DIR [COUNT]
set -euo pipefail
build=${1:?build directory}
count=${2:-1000}
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$build/src/cli/hydrim-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t examples < <(ls "$root"/examples/*.snp)
for ((i = 0; i < count; i++)); do
    cp "${examples[i % ${#examples[@]}]}" "$work/p$i.snp"
done
start=$(date +%s.%N)
for ((i = 0; i < count; i++)); do
    "$cli" compute "$work/p$i.snp" --data "$root/DATA" >/dev/null
done
end=$(date +%s.%N)
echo "hydrim-cli compute over $count project files: $(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.1f", b - a }') s"
