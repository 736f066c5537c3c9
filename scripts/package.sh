#!/usr/bin/env bash
# Sets everything up, makes a release build installed under /usr and packs it as a Debian
# package: build/package/package/padcontrols_<version>_<architecture>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"
cpack --preset package >/dev/null
ls build/package/package/padcontrols_*.deb
