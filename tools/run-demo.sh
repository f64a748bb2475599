#!/bin/sh
# run-demo.sh BUILD_DIR: runs the gallery host under Wine. With a display it
# opens the window for a person to use; without one it runs under Xvfb, takes
# a screenshot into the build folder and prints its path.
build="$1"
tools="$(cd "$(dirname "$0")" && pwd)"
gallery="$build/bin/gallery.exe"
[ -f "$gallery" ] || { echo "run-demo: $gallery not built" >&2; exit 1; }
if [ -n "$DISPLAY" ] && [ "${ZEL_HEADLESS:-0}" != 1 ]; then
  ZEL_USE_DISPLAY=1 exec "$tools/with-display.sh" "$build" "$tools/wine-run.sh" "$build" "$gallery"
fi
# shoot NAME ARGS...: runs a tour and keeps a screenshot of it as NAME.png.
shoot() {
  name="$1"; shift
  "$tools/with-display.sh" "$build" sh -c '
    tools="$1"; build="$2"; gallery="$3"; out="$4"; shift 4
    "$tools/wine-run.sh" "$build" "$gallery" "$@" --exit-after=9000 &
    pid=$!
    sleep 5
    import -window root "$out.full.png"
    wait $pid
  ' run-demo "$tools" "$build" "$gallery" "$build/$name" "$@" || return 1
  # The desktop around the windows is black: keep the windows only.
  convert "$build/$name.full.png" -trim +repage "$build/$name.png" && rm -f "$build/$name.full.png"
  echo "$name screenshot: $build/$name.png"
}
shoot gallery --tour || exit 1
shoot rule-dialog --tour --rule-dialog || exit 1
shoot date-dialog --tour --date-dialog || exit 1
