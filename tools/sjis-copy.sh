#!/bin/sh
# Copies a UTF-8 source file as Shift_JIS (code page 932), for a compiler
# that keeps the bytes of narrow literals as they stand (clang).
# Usage: sjis-copy.sh <UTF-8 source> <Shift_JIS copy>
# A second byte 0x5C (表, ソ, 能...) would read as a backslash: in a literal
# it would escape the next character, at the end of a comment it would join
# the next line to it. It is written as the octal escape \134 instead, the
# same byte inside a literal and plain text in a comment.
set -e
iconv -f UTF-8 -t CP932 "$1" |
  perl -0777 -pe 's/([\x81-\x9F\xE0-\xFC])([\x40-\xFC])/$2 eq "\x5C" ? "$1\\134" : "$1$2"/ge' > "$2.tmp"
mv "$2.tmp" "$2"
