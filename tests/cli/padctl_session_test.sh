#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# padctl as a user runs it, process by process on one emulator state file: exit codes, data on
# standard output, messages on standard error, the language of the locale.
set -u
padctl=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The demo's window lock lives here, so a demo open elsewhere on the machine is not named.
export XDG_RUNTIME_DIR=$dir
state=$dir/controller.bin
fail() { echo "FAIL: $*" >&2; cat "$dir/err" >&2; exit 1; }
run() {  # expected exit code, then the arguments
  local want=$1; shift
  "$padctl" "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "padctl $* exited $got, expected $want"
}

run 0 --help
grep -q '^Usage: padctl' "$dir/out" || fail "--help prints no usage"
run 2 shwo
[ ! -s "$dir/out" ] || fail "a usage error printed data"
grep -qx "padctl: unknown command: shwo" "$dir/err" || fail "unclear usage message"

run 0 --emulator "$state" backup "$dir/factory.json"
[ ! -s "$dir/out" ] || fail "backup printed data"
run 0 --emulator "$state" set l4.step1=F rumble=2 led.color=#112233
[ -s "$state" ] || fail "the emulator's state file was not written"
run 0 --emulator "$state" show
grep -qx 'l4.step1  *F' "$dir/out" || fail "a later run does not see the change"
grep -qx 'led.color  *#112233' "$dir/out" || fail "colour not kept"

LC_ALL=zh_CN.UTF-8 run 2 --emulator "$state" set rumble=5
grep -q '不是 0 到 2 之间的整数' "$dir/err" || fail "no Chinese message on a zh_CN locale"

run 0 --emulator "$state" restore "$dir/factory.json"
run 0 --emulator "$state" show --json
grep -q '"l4.step1": "Esc"' "$dir/out" || fail "restore did not bring back the factory step"

printf 'not a state file' >"$dir/junk.bin"
run 2 --emulator "$dir/junk.bin" show
grep -q 'cannot use the emulator state file' "$dir/err" || fail "damaged state file not named"
[ "$(cat "$dir/junk.bin")" = 'not a state file' ] || fail "a damaged state file was overwritten"
echo "padctl session: all checks passed"
