#!/usr/bin/env bash
# Runs one Windows program of the test build under 64-bit Wine in the build tree's private prefix,
# code page 936 and the harness's Xvfb. Wine's output goes through a file, never a pipe.
set -u
state_dir=${QORVEL_WINE_STATE:?}
export WINEPREFIX="$state_dir/prefix"
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
export DISPLAY=$(cat "$state_dir/display" 2>/dev/null || echo "${DISPLAY:-}")

log=$(mktemp "$state_dir/run.XXXXXX")
"$WINELOADER" "$@" >"$log" 2>&1
status=$?
cat "$log"
rm -f "$log"
exit $status
