#!/bin/sh
# Runs a Windows program of the build under Wine: wine-run.sh BUILD_DIR PROGRAM [ARGS...]
# The build's own prefix, the Japanese code page (another locale through
# ZEL_LANG, e.g. en_US.UTF-8 for code page 1252), quiet Wine.
build="$1"; shift
# The run's own prefix when started through with-display.sh.
export WINEPREFIX="${ZEL_WINEPREFIX:-$build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG="${ZEL_LANG:-ja_JP.UTF-8}" LC_ALL="${ZEL_LANG:-ja_JP.UTF-8}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export GTEST_COLOR=no
exec /usr/lib/wine/wine64 "$@"
