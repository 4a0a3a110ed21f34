#!/usr/bin/env bash
# Builds the Debian package: build-package/hydrim_VERSION_ARCH.deb, installed
# with "apt install ./build-package/hydrim_*.deb".
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/deps.sh dpkg-dev file
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DHYDRIM_BUILD_TESTS=OFF -DHYDRIM_BUILD_BENCH=OFF >/dev/null
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB)
ls build-package/*.deb
