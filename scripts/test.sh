#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, builds, and runs the whole test suite (preset given, default dev).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-dev}
scripts/setup.sh
scripts/build.sh "$preset"
scripts/with-display.sh ctest --preset "$preset" -j "$(nproc)"
