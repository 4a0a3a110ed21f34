#!/usr/bin/env bash
# Builds the libFuzzer targets of the file readers with clang in build-fuzz
# and runs each one (or each one named on the command line) for a short while
# (FUZZ_SECONDS, default 20), or for FUZZ_RUNS executions when that is set
# (scripts/fuzz-long.sh), over its seed and regression corpus in
# fuzz/corpus/<target>. New inputs the fuzzer
# finds stay in a scratch directory; the repository's corpus is not changed.
# Fails when a target crashes, hangs or breaks one of its properties; the
# input that did it is copied to build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-20}
runs=${FUZZ_RUNS:-}
targets=(fuzz_project_file fuzz_par_table fuzz_address_config fuzz_reference_tables fuzz_layout_files
         fuzz_table_import)
if (($#)); then
    targets=("$@")
fi
if [ -n "$runs" ]; then
    limit=(-runs="$runs")
    extent="$runs executions"
else
    limit=(-max_total_time="$seconds")
    extent="${seconds} s"
fi

if ! command -v clang++ >/dev/null; then
    echo "fuzz-smoke: clang++ is not installed (scripts/deps.sh installs it)" >&2
    exit 1
fi

# Warnings are gated by the GCC build of the same sources; this build looks for
# crashes, so a warning only clang gives does not stop it.
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHYDRIM_WERROR=OFF \
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
    echo "fuzz-smoke: $target for $extent"
    started=$SECONDS
    if ! build-fuzz/fuzz/"$target" "${limit[@]}" -timeout=10 -max_len=8192 \
            -artifact_prefix="$findings/$target-" -print_final_stats=1 \
            "$scratch/$target" "fuzz/corpus/$target" >"$scratch/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$scratch/$target.log" >&2
    else
        grep -E '^stat::number_of_executed_units' "$scratch/$target.log" | sed "s/^/  /"
        echo "  in $((SECONDS - started)) s"
    fi
done

if ((${#failed[@]})); then
    echo "fuzz-smoke: FAILED: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzz-smoke: all ${#targets[@]} targets passed"
