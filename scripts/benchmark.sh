#!/usr/bin/env bash
# Prints the sizes of what ships and, under Wine, start-up and Execute timings and the resources at rest.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/setup.sh
scripts/build.sh >/dev/null

size() { printf '%-52s %8d bytes\n' "$1" "$(stat -c %s "$1")"; }
size build/i686/app/QorvelNetRepair.exe
size build/x86_64/app/QorvelNetRepair.exe
size build/i686/uninstall_tool/uninstall_x86.exe
size build/i686/uninstall_tool/uninstall_x64.exe
size resources/app.ico

export QORVEL_WINE_STATE="$root/build/x86_64/wine"
tests/harness/wine-env.sh start >/dev/null
trap 'tests/harness/wine-env.sh stop >/dev/null' EXIT
tests/harness/wine-run.sh build/x86_64/tests/benchmark.exe "$root/build/x86_64/app/QorvelNetRepair.exe" \
  "$root/build/x86_64/tests/minimal_window.exe" "$root/build/x86_64/tests/fixtures/accelerator.exe" |
  grep -a -v '^wine: ' | iconv -f GBK -t UTF-8
