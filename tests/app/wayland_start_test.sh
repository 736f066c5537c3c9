#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The demo window on a Wayland compositor that offers no seat (weston's headless backend: no
# keyboard, no pointer): it must start and open its page, not crash while switching the input
# method off. Skipped (77) where weston or Qt's Wayland platform is not installed.
set -u
demo=$1
command -v weston >/dev/null || { echo "weston is not installed: skipped"; exit 77; }
qt_plugins=$(dirname "$(dirname "$(find /usr/lib -path '*qt6/plugins/platforms/libqxcb.so' -print -quit)")")
[ -e "$qt_plugins/platforms/libqwayland-generic.so" ] ||
  { echo "Qt's Wayland platform is not installed: skipped"; exit 77; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
demo_pid=""
cleanup() {
  [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$runtime"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; cat "$runtime/demo.err" >&2 2>/dev/null; exit 1; }

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=padcontrols-test \
  --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/padcontrols-test" ] && break
  sleep 0.1
done
[ -S "$runtime/padcontrols-test" ] || fail "weston did not start: $(cat "$runtime/weston.log")"

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=padcontrols-test QT_QPA_PLATFORM=wayland \
  "$demo" --page back --lang en --trace 2>"$runtime/demo.err" &
demo_pid=$!
# The back-key page shows its eight steps once the window is up: one trace line each.
for _ in $(seq 200); do
  [ "$(grep -c '^Type:0' "$runtime/demo.err")" -ge 8 ] && break
  kill -0 "$demo_pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$demo_pid" 2>/dev/null || { wait "$demo_pid"; fail "the demo ended with status $?"; }
[ "$(grep -c '^Type:0' "$runtime/demo.err")" -ge 8 ] || fail "the back-key page was not shown"
echo "the demo runs on weston without a seat"
