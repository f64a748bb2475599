#!/bin/sh
# with-display.sh BUILD_DIR COMMAND...: runs COMMAND with a display and a
# Wine prefix of its own. The build keeps one prepared prefix
# (BUILD_DIR/wineprefix); each run works on a copy of it, so runs started
# side by side never share a wineserver or a named flag, and nothing a run
# leaves behind reaches the next. Uses $DISPLAY when ZEL_USE_DISPLAY=1,
# otherwise a private Xvfb that is stopped afterwards.
build="$1"; shift
tools="$(cd "$(dirname "$0")" && pwd)"
xvfb_pid=
run_prefix=
cleanup() {
  if [ -n "$run_prefix" ]; then
    WINEPREFIX="$run_prefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1
    WINEPREFIX="$run_prefix" /usr/lib/wine/wineserver -w >/dev/null 2>&1
    rm -rf "$run_prefix"
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT INT TERM
if [ "${ZEL_USE_DISPLAY:-0}" != 1 ] || [ -z "$DISPLAY" ]; then
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n+1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  i=0; while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i+1)); done
fi
# Prepare the build's prefix once (serialised between runs).
mkdir -p "$build"
flock "$build/.wineprefix.lock" "$tools/wine-prefix.sh" "$build" || exit 1
run_prefix="$(mktemp -d "${TMPDIR:-/tmp}/zelwine.XXXXXX")"
# Hard links for the bulk; the registry files, which Wine rewrites, copied.
cp -al "$build/wineprefix/." "$run_prefix/" && \
  for f in "$build"/wineprefix/*.reg; do cp --remove-destination "$f" "$run_prefix/"; done
export ZEL_WINEPREFIX="$run_prefix"
# Keep the run's wineserver up between the many short test processes.
WINEPREFIX="$run_prefix" /usr/lib/wine/wineserver -p
# Start the prefix's background processes now (services, and the desktop with
# rpcss, which the first window would start), away from any output pipe a test
# runner would wait on.
"$tools/wine-run.sh" "$build" rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1 </dev/null
# Wine's desktop process quits a few seconds after its last user, and the next
# program restarts it with that program's standard streams: a test runner
# reading them then waits on the desktop, not on the test (a minute on the
# first test). A console that waits on a pipe nobody writes keeps the desktop
# up for the whole run.
mkfifo "$run_prefix/.keeper"
"$tools/wine-run.sh" "$build" cmd.exe /k <"$run_prefix/.keeper" >/dev/null 2>&1 &
exec 9>"$run_prefix/.keeper"
"$@" 9>&-; rc=$?
exit $rc
