#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (preset fuzz) and runs each for SECONDS (default 20) on a
# working copy of its seed corpus in tests/fuzz/corpus/. Crashes, leaks and hangs are saved
# under build/fuzz/artifacts/ and make the script fail.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     e.g. scripts/fuzz.sh 600 fuzz_skin
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] &&
  targets=(fuzz_exchange fuzz_report_descriptor fuzz_emulator_state fuzz_board_name fuzz_skin
    fuzz_backup_file)

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2

build=build/fuzz
mkdir -p "$build/artifacts"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
passed=0
failed=0
for target in "${targets[@]}"; do
  seeds=tests/fuzz/corpus/${target#fuzz_}
  work=$build/corpus/${target#fuzz_}
  mkdir -p "$work"
  cp -n "$seeds"/* "$work"/ 2>/dev/null || true
  log=$build/$target.log
  status=0
  # One input may take at most 10 s: the exchanges bound their polls, so more is a hang.
  "$build/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$target-" "$work" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ "$status" -eq 0 ]; then
    passed=$((passed + 1))
    echo "$target: ${runs:-?} executions in ${seconds} s, no crash, no leak"
  else
    failed=$((failed + 1))
    echo "$target: FAILED after ${runs:-?} executions (exit $status); see $log"
    grep -E "ERROR|SUMMARY|artifact" "$log" | head -5 || true
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
