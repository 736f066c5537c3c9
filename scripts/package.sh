#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets everything up, makes one release build installed under /usr and packs that build three
# ways into build/package/package/, which it prints with the packages in it:
#   padcontrols_<version>_<architecture>.deb    Debian and Ubuntu (CPack)
#   padcontrols-<version>-1.<architecture>.rpm  Fedora and its images (CPack, rpmbuild)
#   padcontrols-<version>-1-<architecture>.pkg.tar.*  Arch (makepkg, packaging/arch/PKGBUILD)
set -euo pipefail
cd "$(dirname "$0")/.."
umask 022
scripts/setup.sh
scripts/setup-packaging.sh
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"

out=build/package/package
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/package/CMakeCache.txt)
pkgver=$(sed -n 's/^pkgver=//p' packaging/arch/PKGBUILD)
if [ "$pkgver" != "$version" ]; then
  echo "packaging/arch/PKGBUILD says pkgver=$pkgver but the project is version $version" >&2
  exit 1
fi
specver=$(sed -n 's/^Version: *//p' packaging/rpm/padcontrols.spec)
if [ "$specver" != "$version" ]; then
  echo "packaging/rpm/padcontrols.spec says Version: $specver but the project is version $version" >&2
  exit 1
fi
# Packages of an earlier version would otherwise sit beside the new ones.
rm -f "$out"/padcontrols_*.deb "$out"/padcontrols-*.rpm "$out"/padcontrols-*.pkg.tar.*

cpack --preset package >/dev/null

# The Arch package: makepkg packs the same build's install tree (PADCONTROLS_STAGE). It
# refuses to run as root, so root hands it to the unprivileged user "nobody" in a folder that
# user may write; the install tree in it stays root's and readable by all.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
DESTDIR="$work/stage" cmake --install build/package --strip >/dev/null
mkdir "$work/arch" "$work/out"
cp packaging/arch/PKGBUILD packaging/arch/padcontrols.install "$work/arch/"
chmod 755 "$work"
as_builder=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R 65534:65534 "$work/arch" "$work/out"
  as_builder=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
packager=$(sed -n 's/^# Maintainer: //p' packaging/arch/PKGBUILD)
(cd "$work/arch" &&
  "${as_builder[@]}" env HOME="$work/arch" PKGDEST="$work/out" PACKAGER="$packager" \
    PADCONTROLS_STAGE="$work/stage" makepkg --nodeps --force >"$work/makepkg.log" 2>&1) ||
  { cat "$work/makepkg.log" >&2; echo "makepkg failed" >&2; exit 1; }
cp "$work"/out/padcontrols-*.pkg.tar.* "$out/"

echo "$out:"
ls -1 "$out"/padcontrols_*.deb "$out"/padcontrols-*.rpm "$out"/padcontrols-*.pkg.tar.*
