#!/usr/bin/env bash
# Fails when clang-format (with the repository's .clang-format) would change
# a tracked C++ file; names the files. "--fix" formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
changed=()
for f in "${files[@]}"; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        changed+=("$f")
    fi
done
if ((${#changed[@]})); then
    echo "clang-format would change these files (scripts/check-format.sh --fix formats them):" >&2
    printf '  %s\n' "${changed[@]}" >&2
    exit 1
fi
echo "Every C++ file is formatted."
