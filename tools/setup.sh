#!/bin/sh
# Installs what the build and the tests need (Debian 12) and makes the
# Japanese locale that gives Wine code page 932, and a Western one (code page
# 1252) for the run that checks the text under another code page.
# Usage: setup.sh [bench]
set -e
pkgs="cmake make g++ clang-14 libclang-rt-14-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine64 xvfb xauth locales fonts-ipafont-gothic imagemagick googletest libicu-dev"
[ "$1" = bench ] && pkgs="$pkgs libbenchmark-dev"
missing=
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
locales_wanted="ja_JP en_US"
need_locale=
for l in $locales_wanted; do
  locale -a 2>/dev/null | grep -qi "^$l\.utf-\?8\$" || need_locale=1
done
[ -z "$missing" ] && [ -z "$need_locale" ] && exit 0
cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends$missing && echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen && echo 'en_US.UTF-8 UTF-8' >> /etc/locale.gen && locale-gen"
if [ "$(id -u)" != 0 ]; then
  echo "Set-up needs root. Run this once, then make again:" >&2
  echo "  sudo sh -c \"$cmd\"" >&2
  exit 1
fi
if [ -n "$missing" ]; then
  echo "setup: installing$missing"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
for l in $locales_wanted; do
  if ! locale -a | grep -qi "^$l\.utf-\?8\$"; then
    grep -q "^$l.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$l.UTF-8 UTF-8" >> /etc/locale.gen
    need_locale=1
  fi
done
[ -n "$need_locale" ] && locale-gen >/dev/null
exit 0
