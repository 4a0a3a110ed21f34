#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# but only when one of them is missing (so a second run costs nothing).
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-charts-dev libqt6svg6-dev
    libxlsxwriter-dev nlohmann-json3-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth poppler-utils unzip fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
