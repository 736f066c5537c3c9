#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the programs' output goes when it cannot go where it should, one rule per run:
#   padctl_output_test.sh PADCTL PADCONTROLS DEMO RULE
# with RULE one of:
#   lost        data that cannot be written (a full disk, a reader gone) is a failure
#   descriptors with standard input, output or error closed, nothing the program opens is
#               written as if it were one of them
#   codeset     text on standard output is in the locale's character set, JSON in UTF-8
set -u
padctl=$1
window=$2
demo=$3
rule=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
state=$dir/controller.bin
fail() {
  echo "FAIL: $*" >&2
  cat "$dir/err" >&2
  exit 1
}
expect_err() { [ "$(cat "$dir/err")" = "$1" ] || fail "messages were: $(cat "$dir/err")"; }

lost() {
  "$padctl" --emulator "$state" set rumble=1 2>"$dir/err" || fail "set failed"
  local args
  for args in "show" "show --json" "keys" "info" "backup -" "--help" "profile list"; do
    mkdir -p "$dir/home/.config/padcontrols/profiles"
    : >"$dir/home/.config/padcontrols/profiles/racing.json"
    # shellcheck disable=SC2086  # the words of one command line
    HOME=$dir/home timeout 10 "$padctl" --emulator "$state" $args >/dev/full 2>"$dir/err"
    local got=$?
    [ "$got" -eq 1 ] || fail "padctl $args >/dev/full exited $got, expected 1"
    expect_err "padctl: cannot write to standard output: No space left on device"
    # A reader that has gone away: no message, still a failure.
    # shellcheck disable=SC2086
    HOME=$dir/home timeout 10 python3 -c '
import os, subprocess, sys
r, w = os.pipe()
os.close(r)
sys.exit(subprocess.run(sys.argv[1:], stdout=w).returncode)' "$padctl" --emulator "$state" $args \
      2>"$dir/err"
    got=$?
    [ "$got" -eq 1 ] || fail "padctl $args into a closed pipe exited $got, expected 1"
    expect_err ""
  done
}

# Nothing opened after the program's first step lands on 0, 1 or 2; the first step fills the
# closed one with /dev/null. (What the loader and the C library open before main cannot be
# helped and is closed again.) Arguments: the strace log.
opened_as_standard() {
  awk '/"\/dev\/null".*\) = [012]$/ { filled = 1; next }
       filled && /\) = [012]$/ { print }
       END { if (!filled) print "no /dev/null in place of the closed descriptor" }' "$1"
}

descriptors() {
  if ! strace -o /dev/null -e trace=none true 2>/dev/null; then
    echo "SKIP: descriptors (no strace)"
    return
  fi
  "$padctl" --emulator "$state" set rumble=1 2>"$dir/err" || fail "set failed"
  cp "$state" "$dir/before.bin"
  local trace=(strace -f -qq -e trace=open,openat,openat2 -o "$dir/log")
  "${trace[@]}" "$padctl" --emulator "$state" backup - >&- 2>"$dir/err"
  [ -z "$(opened_as_standard "$dir/log")" ] || fail "stdout closed: $(opened_as_standard "$dir/log")"
  cmp -s "$state" "$dir/before.bin" || fail "backup - >&- wrote into the state file"
  "${trace[@]}" "$padctl" --emulator "$state" set rumble=2 2>&-
  [ $? -eq 0 ] || fail "set with standard error closed failed"
  [ -z "$(opened_as_standard "$dir/log")" ] || fail "stderr closed: $(opened_as_standard "$dir/log")"
  "${trace[@]}" "$padctl" --emulator "$state" reset <&- 2>"$dir/err"
  [ $? -eq 2 ] || fail "reset with standard input closed did not refuse"
  [ -z "$(opened_as_standard "$dir/log")" ] || fail "stdin closed: $(opened_as_standard "$dir/log")"
  "$padctl" --emulator "$state" show >"$dir/out" 2>"$dir/err" || fail "the state file was damaged"
  grep -qx 'rumble  *2' "$dir/out" || fail "the write with stderr closed did not land"
  # The window and the demo, without a display: they end at once, after their first step.
  local program
  for program in "$window" "$demo"; do
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "${trace[@]}" "$program" >&- 2>&-
    [ -z "$(opened_as_standard "$dir/log")" ] ||
      fail "$program with stdout and stderr closed: $(opened_as_standard "$dir/log")"
  done
}

codeset() {
  "$padctl" --emulator "$state" set rumble=1 2>"$dir/err" || fail "set failed"
  LC_ALL=zh_CN.GB18030 "$padctl" --emulator "$state" info >"$dir/out" 2>"$dir/err" ||
    fail "info failed"
  local expected
  expected=$(printf ' 固件:X107K215\n' | iconv -f UTF-8 -t GB18030)
  grep -qF "$expected" "$dir/out" || fail "info's labels not in GB18030: $(sed -n 2p "$dir/out")"
  # JSON is UTF-8 whatever the terminal, and an unusable codeset falls back to UTF-8.
  LC_ALL=zh_CN.GB18030 "$padctl" --emulator "$state" backup - >"$dir/out" 2>"$dir/err"
  iconv -f UTF-8 -t UTF-8 "$dir/out" >/dev/null || fail "backup - was not UTF-8"
  LC_ALL=xx_XX.UTF-16 "$padctl" --emulator "$state" set rumble=5 2>"$dir/err"
  expect_err "padctl: rumble: 5 is not a whole number from 0 to 2"
}

: >"$dir/err"
case $rule in
  lost | descriptors | codeset) "$rule" ;;
  *) fail "unknown rule $rule" ;;
esac
echo "padctl output $rule: all checks passed"
