#!/usr/bin/env bash
# Builds the committed sources twice, from clean copies in two different folders, and shows that every
# shipped file comes out byte-identical; prints the SHA-256 of each.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=(i686/app/QorvelNetRepair.exe x86_64/app/QorvelNetRepair.exe
       i686/uninstall_tool/uninstall_x86.exe i686/uninstall_tool/uninstall_x64.exe)
for tree in first "second tree"; do
  mkdir -p "$work/$tree/src"
  git archive HEAD | tar -x -C "$work/$tree/src"
  for arch in i686 x86_64; do
    cmake -S "$work/$tree/src" -B "$work/$tree/build/$arch" -DCMAKE_TOOLCHAIN_FILE="$work/$tree/src/cmake/mingw-$arch.cmake" \
          -DCMAKE_BUILD_TYPE=MinSizeRel -DQORVEL_TESTS=OFF >/dev/null
    cmake --build "$work/$tree/build/$arch" -j"$(nproc)" >/dev/null
  done
done

status=0
for file in "${files[@]}"; do
  if cmp -s "$work/first/build/$file" "$work/second tree/build/$file"; then
    echo "identical  $(sha256sum "$work/first/build/$file" | cut -d' ' -f1)  $file"
  else
    echo "DIFFERENT  $file"
    status=1
  fi
done
exit $status
