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
shot="$build/gallery.png"
"$tools/with-display.sh" "$build" sh -c '
  "$1/wine-run.sh" "$2" "$3" --tour --exit-after=9000 &
  pid=$!
  sleep 6
  import -window root "$4.full.png"
  wait $pid
' run-demo "$tools" "$build" "$gallery" "$shot" || exit 1
# The desktop around the window is black: keep the window only.
convert "$shot.full.png" -trim +repage "$shot" && rm -f "$shot.full.png"
echo "gallery screenshot: $shot"
