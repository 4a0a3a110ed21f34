#!/usr/bin/env bash
# The long fuzzing run, outside ./test.sh: builds the libFuzzer targets of the
# file readers in build-fuzz (as scripts/fuzz-smoke.sh does) and runs each one
# for FUZZ_RUNS executions (default 1 000 000) over its seed and regression
# corpus in fuzz/corpus/<target>. Prints the executions of every target.
# A crash, hang or broken property leaves its input in build-fuzz/findings/;
# keep it as a regression input in fuzz/corpus/<target>/ once it is mended.
# Usage: scripts/fuzz-long.sh [TARGET...]   (all targets when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${FUZZ_RUNS:-1000000}
targets=(fuzz_project_file fuzz_par_table fuzz_address_config fuzz_reference_tables fuzz_layout_files
         fuzz_table_import)
if (($#)); then
    targets=("$@")
fi

if ! command -v clang++ >/dev/null; then
    echo "fuzz-long: clang++ is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DHYDRIM_FUZZ=ON -DHYDRIM_BUILD_GUI=OFF -DHYDRIM_BUILD_TESTS=OFF -DHYDRIM_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HYDRIM_FUZZ_SCRATCH="$scratch"
findings=build-fuzz/findings
mkdir -p "$findings"

failed=()
for target in "${targets[@]}"; do
    mkdir -p "$scratch/$target"
    echo "fuzz-long: $target for $runs executions"
    started=$SECONDS
    if ! build-fuzz/fuzz/"$target" -runs="$runs" -timeout=10 -max_len=8192 \
            -artifact_prefix="$findings/$target-" -print_final_stats=1 \
            "$scratch/$target" "fuzz/corpus/$target" >"$scratch/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$scratch/$target.log" >&2
    fi
    executed=$(grep -E '^stat::number_of_executed_units' "$scratch/$target.log" | awk '{print $2}')
    echo "  $target: ${executed:-?} executions in $((SECONDS - started)) s"
done

if ((${#failed[@]})); then
    echo "fuzz-long: FAILED: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzz-long: all ${#targets[@]} targets passed"
