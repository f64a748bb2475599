#!/bin/sh
# Runs one libFuzzer target for a set time and prints one summary line.
# Usage: run-fuzzer.sh <fuzzer> <seconds> <seed corpus dir> <work dir>
# New inputs go to <work dir>/corpus (the seeds in the tree stay as they
# are), findings to <work dir>/artifacts, the fuzzer's output to
# <work dir>/log. The exit code is the fuzzer's: non-zero on a finding.
set -u
fuzzer=$1 seconds=$2 seeds=$3 work=$4
name=$(basename "$fuzzer")
mkdir -p "$work/corpus" "$work/artifacts"
# Absolute paths: the targets change into a scratch directory of their own.
fuzzer=$(realpath "$fuzzer") seeds=$(realpath "$seeds") work=$(realpath "$work")
start=$(date +%s)
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$work/artifacts/" "$work/corpus" "$seeds" >"$work/log" 2>&1
rc=$?
end=$(date +%s)
execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
cov=$(grep -o 'cov: [0-9]*' "$work/log" | tail -n 1)
units=$(ls "$work/corpus" | wc -l)
if [ "$rc" = 0 ]; then result="no finding"; else result="FAILED (exit $rc)"; fi
echo "$name: ${execs:-?} executions in $((end - start)) s, $cov, $units new corpus files, $result"
if [ "$rc" != 0 ]; then
  tail -n 60 "$work/log"
  ls -l "$work/artifacts"
fi
exit "$rc"
