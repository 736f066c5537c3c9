#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that build and check the .deb, .rpm and Arch packages:
# rpmbuild, makepkg (with bsdtar and fakeroot, and pacman, which makepkg looks for even when it
# does not resolve dependencies), and lintian, rpmlint and the desktop-file and
# AppStream validators. Idempotent: when everything is already there it prints nothing and
# changes nothing.
set -euo pipefail

packages=(
  rpm rpmlint
  makepkg pacman-package-manager libarchive-tools fakeroot
  lintian desktop-file-utils appstream
)

"$(dirname "$0")/install-packages.sh" "${packages[@]}"
