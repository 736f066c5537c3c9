#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and starts the demo: the tool against the emulated controller.
# Extra arguments go to padcontrols-demo (see --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh dev
state=${XDG_STATE_HOME:-$HOME/.local/state}/padcontrols-demo
mkdir -p "$state"
exec build/dev/padcontrols-demo --state "$state/controller.bin" "$@"
