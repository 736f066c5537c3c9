#!/usr/bin/env bash
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

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root or sudo to install packages" >&2; exit 1; }
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
