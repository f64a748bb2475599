#!/bin/sh
# with-display.sh BUILD_DIR COMMAND...: runs COMMAND with a display and the
# build's Wine prefix ready. Uses $DISPLAY when ZEL_USE_DISPLAY=1, otherwise
# starts a private Xvfb and stops it afterwards.
build="$1"; shift
export WINEPREFIX="$build/wineprefix"
xvfb_pid=
cleanup() {
  WINEPREFIX="$build/wineprefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT INT TERM
# A wineserver left from a run without this display would keep the old one.
/usr/lib/wine/wineserver -k >/dev/null 2>&1; /usr/lib/wine/wineserver -w >/dev/null 2>&1
if [ "${ZEL_USE_DISPLAY:-0}" != 1 ] || [ -z "$DISPLAY" ]; then
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n+1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  i=0; while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i+1)); done
fi
"$(dirname "$0")/wine-prefix.sh" "$build"
"$@"; rc=$?
exit $rc
