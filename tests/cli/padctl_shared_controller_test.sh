#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# padctl processes sharing one emulated controller with each other and with other programs:
# two writers at once both land, a controller held too long is busy (never a hang), and an
# open demo window on the same state file is named before a write.
set -u
padctl=$1
demo=$2
dir=$(mktemp -d)
holder=
trap '[ -n "$holder" ] && kill "$holder" 2>/dev/null; rm -rf "$dir"' EXIT
export XDG_RUNTIME_DIR=$dir LC_ALL=C.UTF-8
fail() { echo "FAIL: $*" >&2; exit 1; }

for round in 1 2 3 4 5 6 7 8 9 10; do
  state=$dir/round$round.bin
  "$padctl" --emulator "$state" set rumble=2 2>"$dir/a.err" &
  first=$!
  "$padctl" --emulator "$state" set led.on=on 2>"$dir/b.err" &
  second=$!
  wait "$first" || fail "round $round: set rumble=2 failed: $(cat "$dir/a.err")"
  wait "$second" || fail "round $round: set led.on=on failed: $(cat "$dir/b.err")"
  shown=$("$padctl" --emulator "$state" show) || fail "round $round: show failed"
  grep -Eq '^rumble +2$' <<<"$shown" || fail "round $round: the rumble change vanished"
  grep -Eq '^led\.on +on$' <<<"$shown" || fail "round $round: the LED change vanished"
done

# Takes an exclusive lock on the file and keeps it in a process that ends when killed.
hold() { ( exec 9>>"$1" && flock 9 && exec sleep 8 ) & holder=$!; }

# Another program keeps the controller (its state file locked) far longer than an exchange.
state=$dir/round1.bin
hold "$state"
sleep 0.3
start=$(date +%s%N)
"$padctl" --emulator "$state" set rumble=0 2>"$dir/err"
code=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$code" -eq 1 ] || fail "a held controller gave exit $code, expected 1"
grep -q '^padctl: controller busy: ' "$dir/err" || fail "no busy message: $(cat "$dir/err")"
[ "$elapsed_ms" -lt 6000 ] || fail "waited ${elapsed_ms} ms for a held controller"
kill "$holder"
wait "$holder" 2>/dev/null
holder=
grep -Eq '^rumble +2$' <<<"$("$padctl" --emulator "$state" show)" || fail "a busy run wrote"

# The demo window shows this state file, named another way: a write warns and names the
# controller; a write to another state file, or once the window has gone, does not.
QT_QPA_PLATFORM=offscreen "$demo" --state "$dir/./$(basename "$state")" >/dev/null 2>&1 &
holder=$!
for _ in $(seq 200); do
  grep -qs . "$XDG_RUNTIME_DIR"/window-*.lock && break
  sleep 0.05
done
"$padctl" --emulator "$state" set rumble=1 2>"$dir/err" || fail "set failed: $(cat "$dir/err")"
grep -qx "padctl: warning: the PadControls demo window is open on emulator $state; its next Save keeps this change except for settings changed there too" \
  "$dir/err" || fail "no warning about the open demo window: $(cat "$dir/err")"
"$padctl" --emulator "$state" show >/dev/null 2>"$dir/err" || fail "show failed"
[ ! -s "$dir/err" ] || fail "a read warned: $(cat "$dir/err")"
"$padctl" --emulator "$dir/round2.bin" set rumble=1 2>"$dir/err" || fail "set failed"
[ "$(cat "$dir/err")" = "padctl: written and verified (64 slots)" ] || fail "another file warned: $(cat "$dir/err")"
kill "$holder"
wait "$holder" 2>/dev/null
holder=
"$padctl" --emulator "$state" set rumble=0 2>"$dir/err" || fail "set failed"
[ "$(cat "$dir/err")" = "padctl: written and verified (64 slots)" ] || fail "a closed window warned: $(cat "$dir/err")"
echo "ok"
