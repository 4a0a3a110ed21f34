#!/usr/bin/env bash
# The long fuzzing run, outside ./test.sh: every libFuzzer target of the file
# readers (or the ones named) for FUZZ_RUNS executions, by default 1 000 000,
# through scripts/fuzz-smoke.sh. A crash, hang or broken property leaves its
# input in build-fuzz/findings/; once mended, keep it as a regression input in
# fuzz/corpus/<target>/.   Usage: scripts/fuzz-long.sh [TARGET...]
set -euo pipefail
export FUZZ_RUNS=${FUZZ_RUNS:-1000000}
# The project file target saves every file it accepts, and a save syncs to
# disk: in memory (tmpfs) a million of them take minutes instead of hours.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
exec "$(dirname "$0")/fuzz-smoke.sh" "$@"
