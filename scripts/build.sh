#!/usr/bin/env bash
# Builds the shipping i686 program and the x86_64 program with its tests, in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

cmake -S . -B build/i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/i686 -j"$(nproc)"
cmake -S . -B build/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel \
      -DQORVEL_SHIPPING_EXE="$root/build/i686/app/QorvelNetRepair.exe" >/dev/null
cmake --build build/x86_64 -j"$(nproc)"
echo "Shipping program: $root/build/i686/app/QorvelNetRepair.exe"
