#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
#   ./run.sh [PROJECT.snp]   the desktop program
#   ./run.sh --web           the browser version, served on 127.0.0.1 and
#                            opened in the default browser (Ctrl+C stops it)
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
if [ "${1:-}" = --web ]; then
    scripts/build-web.sh
    exec node web/tools/serve.mjs build-web/dist/site --open
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
# The program works below its working directory (DATA, PROJEKTY); use a
# directory of its own so the source tree stays clean.
workdir="${HYDRIM_WORKDIR:-$HOME/Hydrim}"
mkdir -p "$workdir/DATA"
# Only the shipped tables, and only those the user has not got: what a run
# leaves in the source tree's DATA (ADRES.CFG, POSLEDNI.CFG, backups) stays there.
for table in DATA/*.tab; do
    if [ ! -e "$workdir/$table" ]; then cp "$table" "$workdir/$table"; fi
done
cd "$workdir"
if [ -x "$OLDPWD/build/src/gui/hydrim" ]; then
    exec "$OLDPWD/build/src/gui/hydrim" "$@"
fi
exec "$OLDPWD/build/src/cli/hydrim-cli" compute "$OLDPWD/examples/variant1-two-slopes.snp" --data "$workdir/DATA"
