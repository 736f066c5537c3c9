#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package PadControls needs to build, test and run its demo.
# Idempotent: when everything is already there it prints nothing and changes nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  libgtest-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
  libsdl2-dev
  umockdev libumockdev-dev
  xvfb xauth x11-utils libx11-dev libxtst-dev
  at-spi2-core python3-pyatspi dbus-x11
  weston qt6-wayland
  fonts-noto-cjk fonts-noto-core fonts-dejavu-core
  help2man file
  clang libclang-rt-14-dev
)

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
