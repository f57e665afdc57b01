#!/usr/bin/env bash
# The private Wine world of one build tree: "start" makes the prefix (once) and starts an Xvfb on a free
# display plus a wineserver; "stop" ends exactly those. Used as CTest's setup and cleanup fixture.
set -euo pipefail

state_dir=${QORVEL_WINE_STATE:?}
mkdir -p "$state_dir"
export WINEPREFIX="$state_dir/prefix"
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8

free_display() {
  for n in $(seq 90 190); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

start() {
  if [ ! -f "$WINEPREFIX/.qorvel-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$WINELOADER" wineboot -i >"$state_dir/wineboot.log" 2>&1
    "$WINESERVER" -w
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >>"$state_dir/wineboot.log" 2>&1
    "$WINELOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >>"$state_dir/wineboot.log" 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.qorvel-ready"
  fi

  # What an earlier, interrupted run of this tree left would be in the way.
  stop >/dev/null
  local display
  display=$(free_display)
  Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$state_dir/xvfb.log" 2>&1 &
  echo $! >"$state_dir/xvfb.pid"
  echo ":$display" >"$state_dir/display"
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
  done
  # A persistent server started here, with its output in a file, so that no test's output pipe is
  # inherited by it.
  DISPLAY=":$display" "$WINESERVER" -p >"$state_dir/wineserver.log" 2>&1
  echo "Wine prefix $WINEPREFIX, display :$display"
}

stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -f "$state_dir/xvfb.pid" ]; then
    kill "$(cat "$state_dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$state_dir/xvfb.pid" "$state_dir/display"
  fi
  echo "Wine and Xvfb of $state_dir ended"
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
