#!/usr/bin/env bash
# Builds the browser version into build-web/ (or $HYDRIM_WEB_BUILD):
#   build-web/engine/  the engine (src/core, src/json, src/wasm) compiled to
#                      WebAssembly by Debian's emscripten (em++), with the DATA
#                      tables embedded, and its module hydrim-engine.mjs;
#   build-web/dist/    the deliveries: site/ for any static web server
#                      (index.html, scripts, hydrim-engine.mjs, the .wasm) and
#                      hydrim.html, one file that works opened from a disk.
# The object files are compiled by ninja (-j2 by default: JOBS=N), each one
# again only when its sources changed; ccache is used when it is installed.
# Usage: scripts/build-web.sh [engine]   (engine: stop after the engine)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="${HYDRIM_WEB_BUILD:-$root/build-web}"
engine="$out/engine"
jobs=${JOBS:-2}
mkdir -p "$engine/obj" "$out/include"

# emcc runs on node; a newer node than Debian's first on the PATH misses the
# acorn module Debian's emscripten needs unless NODE_PATH names Debian's modules.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
compiler=em++
if command -v ccache >/dev/null 2>&1; then
    compiler="ccache em++"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
fi

# The JSON library is header-only: only its own folder goes on the path, never
# the system's include directory with the native C library headers.
ln -sfn /usr/include/nlohmann "$out/include/nlohmann"

version=$(sed -n 's/^project(hydrim VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
common="-std=c++20 -fexceptions -Wall -Wextra -I$root/src -isystem $out/include -DHYDRIM_VERSION=\\\"$version\\\""

# One ninja file: every source of the engine, the facade, the JSON documents
# and the C interface; the hydrology (the fits) with -O3 and SIMD, which
# leaves every number as it is.
{
    echo "rule cxx"
    echo "  command = $compiler \$flags -MD -MF \$out.d -c \$in -o \$out"
    echo "  depfile = \$out.d"
    echo "  deps = gcc"
    echo "  description = em++ \$in"
    for source in "$root"/src/core/{project,reference,hydrology,results,series,report}/*.cpp "$root"/src/core/Engine.cpp \
                  "$root"/src/json/*.cpp "$root"/src/wasm/*.cpp; do
        relative=${source#"$root/src/"}
        object="obj/${relative//\//_}.o"
        flags="-O2"
        case "$relative" in core/hydrology/*) flags="-O3 -msimd128" ;; esac
        echo "build $object: cxx $source"
        echo "  flags = $flags $common"
        objects+=" $object"
    done
    echo "build objects: phony$objects"
} > "$engine/build.ninja.new"
if ! cmp -s "$engine/build.ninja.new" "$engine/build.ninja"; then
    mv "$engine/build.ninja.new" "$engine/build.ninja"
else
    rm "$engine/build.ninja.new"
fi
ninja -C "$engine" -j "$jobs" objects

# Two links of the same objects: a module loading its .wasm beside it, and a
# single file with the .wasm inside, which a page opened from a disk can load.
link=(-O2 -fexceptions -sMODULARIZE=1 -sEXPORT_ES6=1 -sEXPORT_NAME=createHydrimModule -sALLOW_MEMORY_GROWTH=1
      -sENVIRONMENT=web,worker -sEXPORTED_FUNCTIONS=_hydrim_open,_hydrim_call,_hydrim_result,_hydrim_result_size,_malloc,_free
      --embed-file "$root/DATA@/DATA" --exclude-file "*.md")
# Only the objects of today's sources: a source moved or removed leaves its
# old object behind, which must not be linked beside its successor.
for object in "$engine"/obj/*.o; do
    case " $objects " in *" obj/${object##*/} "*) ;; *) rm -f "$object" "$object.d" ;; esac
done
objects=$(printf "$engine/%s " $objects)
stamp="$engine/link.stamp"
if [ ! -e "$stamp" ] || [ -n "$(find "$engine/obj" "$engine/build.ninja" "$root/DATA" -newer "$stamp" -print -quit)" ]; then
    echo "linking the engine"
    # shellcheck disable=SC2086
    em++ "${link[@]}" $objects -o "$engine/hydrim-engine-wasm.mjs"
    # shellcheck disable=SC2086
    em++ "${link[@]}" -sSINGLE_FILE=1 $objects -o "$engine/hydrim-engine-single.mjs"
    touch "$stamp"
fi
cp "$root/src/wasm/hydrim-engine.mjs" "$engine/hydrim-engine.mjs"
[ "${1:-}" = engine ] && exit 0

# The page: its npm packages as the lock file pins them, then the bundles.
web="$root/web"
if [ ! -d "$web/node_modules" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    (cd "$web" && npm ci --no-audit --no-fund)
fi
node "$web/build.mjs" "$engine" "$out/dist"
