#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need
# (and any further ones named as arguments), but only when one of them is missing: a second run asks dpkg and nothing else.
#
# Every package whose files are read is named here or is a hard dependency
# (Depends, never Recommends) of a named one:
#   qt6-base-dev        Qt Core/Gui/Widgets/PrintSupport headers and CMake files
#   libqt6opengl6-dev   Qt6OpenGL CMake files, which Qt6Charts' CMake files ask for
#   qt6-charts-dev      the hydrograph charts
#   qt6-svg-dev         the window icon (Qt6::Svg)
#   libxlsxwriter-dev   workbooks; zlib1g-dev for the -lz its pkg-config file names
#   fonts-liberation2   Liberation Serif, metric-compatible with Times New Roman,
#                       the face of the printed and PDF pages
#   fonts-dejavu-core   the interface's sans-serif face
#   qt6-translations-l10n  Qt's Czech texts (qtbase_cs) of the standard dialogs
#   xvfb xauth          the window tests' display; poppler-utils and unzip read
#                       PDFs and workbooks back in the tests
#   clang libclang-rt-14-dev  the fuzz targets (libFuzzer)
#   emscripten          em++: the engine compiled to WebAssembly for the browser version
#   nodejs npm          the web page's bundler, tests and local server (npm ci of web/)
#   chromium            the headless browser the web tests drive
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-svg-dev
    libxlsxwriter-dev zlib1g-dev nlohmann-json3-dev
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth poppler-utils unzip
    fonts-liberation2 fonts-dejavu-core
    qt6-translations-l10n
    emscripten nodejs npm chromium
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    # A nodejs package that carries its own npm provides the npm command.
    if [ "$p" = npm ] && command -v npm >/dev/null 2>&1; then
        continue
    fi
    if ! dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
((${#missing[@]})) || exit 0

install_cmd=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "Missing packages; run as root: apt-get update && ${install_cmd[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" "${install_cmd[@]}"
