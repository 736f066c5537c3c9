#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The window as a screen reader sees it: through AT-SPI, on the X display the suite runs on, in
# a private session bus with its own accessibility bus. Runs the Python check given second
# (the rear-button page's picker by default). Skipped (77) only where AT-SPI cannot start here.
set -u
demo=$1
check=${2:-atspi_picker_test.py}
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
[ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit 77; }
[ -x "$launcher" ] || { echo "at-spi2-core is not installed: skipped"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "dbus-run-session is missing: skipped"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
  { echo "python3-pyatspi is not installed: skipped"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PICKER_TEST_DIR=$work
# The bus launcher ends with the session bus that dbus-run-session ends.
exec dbus-run-session -- bash -c '
  "$0" --launch-immediately >"$PICKER_TEST_DIR/atspi.log" 2>&1 &
  /usr/bin/python3 "$1" "$2"
' "$launcher" "$here/$check" "$demo"
