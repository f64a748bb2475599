#!/bin/sh
# Makes (once) the Wine prefix of a build and sets the registry values that
# keep message boxes fast and crashes from hanging. Needs DISPLAY.
set -e
build="$1"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
# Bumped whenever the prepared state below changes, so old prefixes are remade.
version=2
if [ "$(cat "$WINEPREFIX/.zel-ready" 2>/dev/null)" != "$version" ]; then
  # A wineserver left from a run without this display would keep the old one.
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  $wine wineboot -i >/dev/null 2>&1
  $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  $wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d '' /f >/dev/null 2>&1
  $wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 0 /f >/dev/null 2>&1
  # The templates' font: the metric-compatible IPA fonts stand in for it.
  for face in "ＭＳ Ｐゴシック" "MS PGothic" "MS UI Gothic"; do
    $wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
  done
  for face in "ＭＳ ゴシック" "MS Gothic"; do
    $wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d IPAGothic /f >/dev/null 2>&1
  done
  /usr/lib/wine/wineserver -w
  echo "$version" > "$WINEPREFIX/.zel-ready"
fi
