#!/usr/bin/env bash
# Builds both programs and starts the x86_64 one under Wine. With DISPLAY set the window appears there;
# without it a private Xvfb is used, a screenshot of the window is saved, and the program is ended.
# Usage: scripts/run.sh [--screenshot FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
shot="$root/build/main-window.png"
if [ "${1:-}" = "--screenshot" ]; then
  shot=$(realpath -m "${2:?--screenshot needs a file}")
  unset DISPLAY
fi

scripts/setup.sh
scripts/build.sh
export QORVEL_WINE_STATE="$root/build/x86_64/wine"
app='Z:'$(echo "$root/build/x86_64/app/QorvelNetRepair.exe" | tr / '\\')

if [ -n "${DISPLAY:-}" ]; then
  state="$QORVEL_WINE_STATE"
  mkdir -p "$state"
  [ -f "$state/prefix/.qorvel-ready" ] || { tests/harness/wine-env.sh start && tests/harness/wine-env.sh stop; }
  WINEPREFIX="$state/prefix" WINEDEBUG=-all LC_ALL=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree,mshtml=" \
    /usr/lib/wine/wine64 "$app" >"$state/run.log" 2>&1
  exit 0
fi

tests/harness/wine-env.sh start
trap 'tests/harness/wine-env.sh stop >/dev/null' EXIT
display=$(cat "$QORVEL_WINE_STATE/display")
tests/harness/wine-run.sh "$app" >/dev/null 2>&1 &
for _ in $(seq 1 150); do
  DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -q 'Qorvel' && break
  sleep 0.2
done
sleep 1.5
# The window is centred on the 1024 x 768 screen: its frame starts at (307, 254) and is 410 x 259.
mkdir -p "$(dirname "$shot")"
DISPLAY=$display import -window root -crop 410x259+307+254 +repage "$shot"
echo "Screenshot of the main window: $shot"
