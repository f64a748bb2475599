#!/bin/sh
# Runs every fuzz target of a build for a set time, two at a time, and
# prints one line per target and the total. Exit code non-zero when any
# target had a finding. Usage: run-fuzzers.sh <fuzz build dir> <seconds>
set -u
build=$1 seconds=$2
src=$(dirname "$0")/..
out=$build/runs
rm -rf "$out"
mkdir -p "$out"
ls "$build"/bin/*_fuzzer | xargs -P 2 -I{} sh -c \
  'name=$(basename "$1"); "$2/tools/run-fuzzer.sh" "$1" "$3" "$2/fuzz/corpus/$name" "$4/$name" > "$4/$name.summary"' \
  sh {} "$src" "$seconds" "$out"
cat "$out"/*.summary
total=$(sed -n 's/^[^:]*: \([0-9]*\) executions.*/\1/p' "$out"/*.summary | awk '{s += $1} END {print s + 0}')
echo "total: $total executions"
! grep -q FAILED "$out"/*.summary
