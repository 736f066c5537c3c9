#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The files padctl and the demo read and write (backups, the emulator's state file) when the
# world is hostile: a full disk, a FIFO or device node in a file's place, symbolic links,
# unreadable or unwritable folders, a kill in the middle of a write, a non-UTF-8 terminal.
# Nothing may be lost, nothing may hang, and "done" is said only when it is done.
# Arguments: padctl, padcontrols-demo. Parts that need root (a private mount, another user)
# say SKIP when it is missing.
set -u
padctl=$1
demo=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The demo's window lock lives here, so a demo open elsewhere on the machine is not named.
export XDG_RUNTIME_DIR=$dir
fail() {
  echo "FAIL: $*" >&2
  cat "$dir/err" >&2
  exit 1
}
run() {  # expected exit code, then the command; a command that hangs fails the test
  local want=$1
  shift
  timeout 10 "$@" >"$dir/out" 2>"$dir/err"
  local got=$?
  [ "$got" -eq "$want" ] || fail "$* exited $got, expected $want"
}
said() { grep -qF -- "$1" "$dir/err" || fail "no message \"$1\""; }
not_said() { ! grep -qF -- "$1" "$dir/err" || fail "said \"$1\" wrongly"; }
setting() {  # the value `show` gives for a setting of the emulator at $1
  timeout 10 "$padctl" --emulator "$1" show | awk -v name="$2" '$1 == name { print $2 }'
}

# The full disk runs in a private mount namespace on a tiny tmpfs.
if [ "${3:-}" = --full-disk ]; then
  small=$4
  state=$5
  mount -t tmpfs -o size=64k tmpfs "$small" || exit 3
  run 0 "$padctl" --emulator "$state" backup "$small/b.json"
  run 0 "$padctl" --emulator "$small/state.bin" set rumble=1
  cp "$small/b.json" "$dir/good.json"
  cp "$small/state.bin" "$dir/good.bin"
  dd if=/dev/zero of="$small/fill" bs=4k 2>/dev/null
  run 0 "$padctl" --emulator "$state" set rumble=2
  run 2 "$padctl" --emulator "$state" backup "$small/b.json"
  said "cannot write $small/b.json: No space left on device"
  not_said "backup saved"
  cmp -s "$small/b.json" "$dir/good.json" || fail "a failed backup changed the old one"
  run 1 "$padctl" --emulator "$small/state.bin" set rumble=2
  not_said "written and verified"
  cmp -s "$small/state.bin" "$dir/good.bin" || fail "a failed save changed the state file"
  [ "$(ls -A "$small" | sort | tr '\n' ' ')" = "b.json fill state.bin " ] ||
    fail "left behind: $(ls -A "$small")"
  exit 0
fi

state=$dir/controller.bin
run 0 "$padctl" --emulator "$state" set rumble=1

# 1. Backups: never in place of something that is not a regular file; "-" is standard output;
# through a link, keeping the mode; a full disk keeps the old backup.
mkfifo "$dir/fifo"
mknod "$dir/null" c 1 3 2>/dev/null || ln -s /dev/null "$dir/null"
for target in fifo null; do
  run 2 "$padctl" --emulator "$state" backup "$dir/$target"
  said "cannot write $dir/$target: not a regular file"
done
[ -p "$dir/fifo" ] && [ -c "$dir/null" ] || fail "backup replaced a FIFO or device node"
run 0 "$padctl" --emulator "$state" backup -
grep -q '"format": "padcontrols-backup"' "$dir/out" || fail "backup - printed no backup"
not_said "backup saved"
echo old >"$dir/kept.json"
chmod 640 "$dir/kept.json"
ln -s kept.json "$dir/link.json"
run 0 "$padctl" --emulator "$state" backup "$dir/link.json"
[ -L "$dir/link.json" ] || fail "backup replaced the symbolic link"
[ "$(stat -c %a "$dir/kept.json")" = 640 ] || fail "backup changed the file's mode"
grep -q '"rumble": 1' "$dir/kept.json" || fail "backup was not written through the link"

mkdir "$dir/small"
if unshare -m true 2>/dev/null; then
  unshare -m "$0" "$padctl" "$demo" --full-disk "$dir/small" "$state" || fail "full disk (see above)"
else
  echo "SKIP: full disk (no private mount namespace)"
fi

# 3. The state file: refused at once when it is no regular file; a write it does not take is
# a failed write; its link and mode are kept; a long name still works.
mkdir "$dir/folder"
for odd in fifo null folder; do
  run 2 "$padctl" --emulator "$dir/$odd" show
  said "not a regular file"
  run 1 "$demo" --state "$dir/$odd"
  said "cannot use state file"
  run 2 "$padctl" --emulator "$state" restore "$dir/$odd"
  said "$dir/$odd is not a regular file"
  said "nothing was written"
done
run 1 "$padctl" --emulator "$dir/missing/state.bin" set rumble=2
said "No such file or directory"
not_said "written and verified"
cp "$state" "$dir/target.bin"
chmod 604 "$dir/target.bin"
ln -s target.bin "$dir/state-link.bin"
run 0 "$padctl" --emulator "$dir/state-link.bin" set rumble=2
[ -L "$dir/state-link.bin" ] || fail "a save replaced the link to the state file"
[ "$(stat -c %a "$dir/target.bin")" = 604 ] || fail "a save changed the state file's mode"
[ "$(setting "$dir/target.bin" rumble)" = 2 ] || fail "a save did not reach the link's target"
long=$dir/$(printf 's%.0s' $(seq 250)).bin
run 0 "$padctl" --emulator "$long" set rumble=2
[ "$(setting "$long" rumble)" = 2 ] || fail "a state file with a long name was not saved"

# A kill while the new state is on its way to the disk leaves no temporary file behind.
if strace -o /dev/null -e trace=none true 2>/dev/null; then
  mkdir "$dir/killed"
  cp "$state" "$dir/killed/state.bin"
  strace -o /dev/null -e trace=fsync -e inject=fsync:delay_enter=3s \
    "$padctl" --emulator "$dir/killed/state.bin" set rumble=0 >/dev/null 2>&1 &
  tracer=$!
  sleep 1
  kill -KILL "$(ps --ppid "$tracer" -o pid=)"
  wait "$tracer" 2>/dev/null
  [ "$(ls -A "$dir/killed")" = state.bin ] || fail "a kill left behind: $(ls -A "$dir/killed")"
  cmp -s "$state" "$dir/killed/state.bin" || fail "a kill damaged the state file"
else
  echo "SKIP: kill during a save (no strace)"
fi

# Unreadable and unwritable for an ordinary user.
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  chmod 755 "$dir"
  mkdir -m 700 "$dir/private"
  cp "$state" "$dir/private/state.bin"
  cp "$state" "$dir/closed.bin"
  chmod 000 "$dir/closed.bin"
  for unreadable in private/state.bin closed.bin; do
    run 2 "${as_user[@]}" "$padctl" --emulator "$dir/$unreadable" show
    said "Permission denied"
  done
  cp "$state" "$dir/readonly.bin"
  chmod 644 "$dir/readonly.bin"
  run 1 "${as_user[@]}" "$padctl" --emulator "$dir/readonly.bin" set rumble=0
  said "Permission denied"
  not_said "written and verified"
  cmp -s "$state" "$dir/readonly.bin" || fail "a refused save changed the state file"
else
  echo "SKIP: another user's view (not root)"
fi

# 5. Messages in the terminal's own character set.
run 2 env LC_ALL=zh_CN.GB18030 "$padctl" --emulator "$state" set rumble=5
expected=$(printf 'padctl: rumble：5 不是 0 到 2 之间的整数\n' | iconv -f UTF-8 -t GB18030)
[ "$(cat "$dir/err")" = "$expected" ] || fail "message not in GB18030"
echo "padctl files: all checks passed"
