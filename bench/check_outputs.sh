#!/usr/bin/env bash
# Compares "hydrim-cli compute FILE --json" on every example and hard bench
# project with the outputs saved in bench/reference/ (written by the engine
# before the fitting was sped up); any byte of difference fails. Usage:
#   bench/check_outputs.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
root=$(cd "$(dirname "$0")/.." && pwd)
cli="$build/src/cli/hydrim-cli"
status=0
for project in "$root"/examples/*.snp "$root"/bench/hard/*.snp; do
    name=$(basename "$project" .snp)
    if ! "$cli" compute "$project" --json --data "$root/DATA" | cmp -s - "$root/bench/reference/$name.json"; then
        echo "differs: $name"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "all outputs identical"
exit "$status"
