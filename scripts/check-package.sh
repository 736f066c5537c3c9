#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the three packages that scripts/package.sh built. All three: the file lists (printed)
# hold both programs, the udev rule, the desktop entry, the icons, the AppStream data, the man
# pages and the bash completion but not the demo, and are the same files (the licence text
# only in the .rpm and the Arch package); each reloads udev
# after install and removal and recommends Qt's Wayland platform and the CJK font. The .rpm:
# rpmlint without errors. packaging/rpm/padcontrols.spec: built from a source package of the
# commit with its tests, the same files, scriptlets and recommendations as the CPack .rpm,
# rpmlint without errors. The .deb: lintian without errors, then installed with dpkg: the
# desktop entry and AppStream data validate, padctl runs from PATH and says clearly that there
# is no controller; removed: every file it installed is gone.
# Installs and removes the .deb on this machine, so run it where that is wanted (CI).
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
scripts/setup-packaging.sh

fail() { echo "package check failed: $*" >&2; exit 1; }
one() {
  local found=("$@")
  [ ${#found[@]} -eq 1 ] && [ -f "${found[0]}" ] || fail "expected one package, found: ${found[*]}"
  echo "${found[0]}"
}
out=build/package/package
deb=$(one "$out"/padcontrols_*.deb)
rpm=$(one "$out"/padcontrols-*.rpm)
arch=$(one "$out"/padcontrols-*.pkg.tar.*)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every entry that is not a folder, as an absolute path.
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|' | sort >"$work/deb.files"
rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$rpm" | grep -v '^d' | cut -d' ' -f2- |
  sort >"$work/rpm.files"
bsdtar -tf "$arch" | grep -v -e '/$' -e '^\.' | sed 's|^|/|' | sort >"$work/arch.files"

required=(
  /usr/bin/padcontrols
  /usr/libexec/padcontrols/padcontrols
  /usr/libexec/padcontrols/Resources/XmlMainWindow.xml
  /usr/bin/padctl
  /usr/lib/udev/rules.d/70-padcontrols.rules
  /usr/share/applications/padcontrols.desktop
  /usr/share/icons/hicolor/16x16/apps/padcontrols.png
  /usr/share/icons/hicolor/256x256/apps/padcontrols.png
  /usr/share/metainfo/org.padcontrols.PadControls.metainfo.xml
  /usr/share/man/man1/padcontrols.1.gz
  /usr/share/man/man1/padctl.1.gz
  /usr/share/bash-completion/completions/padctl
)
resources=/usr/libexec/padcontrols/Resources/
for kind in deb rpm arch; do
  echo "== $kind package files"
  grep -vF "$resources" "$work/$kind.files"
  echo "and $(grep -cF "$resources" "$work/$kind.files") files under $resources"
  for path in "${required[@]}"; do
    grep -qxF "$path" "$work/$kind.files" || fail "the $kind package lacks $path"
  done
  if grep -qi demo "$work/$kind.files"; then fail "the demo is in the $kind package"; fi
done
# rpmbuild adds links from the binaries' build IDs, as every RPM has. The .rpm and the Arch
# package carry the licence text, which Debian keeps in /usr/share/common-licenses; the rest
# of the three lists must match.
licence=/usr/share/licenses/padcontrols/LICENSE
grep -v '^/usr/lib/\.build-id/' "$work/rpm.files" >"$work/rpm.common"
diff -u "$work/rpm.common" "$work/arch.files" ||
  fail "the .rpm and the Arch package hold different files"
grep -qxF "$licence" "$work/rpm.common" || fail "the .rpm and the Arch package lack $licence"
grep -vxF "$licence" "$work/rpm.common" >"$work/deb.expected"
diff -u "$work/deb.expected" "$work/deb.files" || fail "the .deb holds other files than the .rpm"
[ "$(rpm -qp --licensefiles "$rpm")" = "$licence" ] ||
  fail "the .rpm does not mark $licence as licence"

echo "== maintainer scripts and recommendations"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst | grep -q "udevadm control --reload-rules" ||
  fail "the .deb's postinst does not reload udev"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postrm | grep -q "udevadm control --reload-rules" ||
  fail "the .deb's postrm does not reload udev"
rpm -qp --scripts "$rpm" >"$work/rpm.scripts"
for section in postinstall postuninstall; do
  sed -n "/^$section scriptlet/,/^[a-z]* scriptlet/p" "$work/rpm.scripts" |
    grep -q "udevadm control --reload-rules" || fail "the .rpm's $section does not reload udev"
done
bsdtar -xOf "$arch" .INSTALL >"$work/arch.install" || fail "the Arch package has no install script"
for hook in post_install post_upgrade post_remove; do
  grep -q "^$hook()" "$work/arch.install" || fail "the Arch package's install script lacks $hook"
done
grep -q "udevadm control --reload-rules" "$work/arch.install" ||
  fail "the Arch package's install script does not reload udev"
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, fonts-noto-cjk, fonts-noto-core" ] ||
  fail "the .deb recommends: $(dpkg-deb -f "$deb" Recommends)"
recommends=$(rpm -qp --recommends "$rpm" | sort | tr '\n' ' ')
[ "$recommends" = "google-noto-sans-cjk-fonts google-noto-sans-fonts qt6-qtwayland " ] ||
  fail "the .rpm recommends: $recommends"
bsdtar -xOf "$arch" .PKGINFO >"$work/arch.pkginfo"
for dep in qt6-wayland noto-fonts-cjk noto-fonts; do
  grep -q "^optdepend = $dep:" "$work/arch.pkginfo" || fail "the Arch package does not suggest $dep"
done
for field in "license = GPL-3.0-or-later" "pkgver = $(dpkg-deb -f "$deb" Version)-1"; do
  grep -qxF "$field" "$work/arch.pkginfo" || fail "the Arch package's .PKGINFO lacks \"$field\""
done
[ "$(rpm -qp --qf '%{LICENSE}' "$rpm")" = GPL-3.0-or-later ] || fail "the .rpm's licence"

echo "== rpmlint $rpm"
rpmlint -c packaging/rpm/rpmlint.toml "$rpm" || fail "rpmlint errors"

# The RPM recipe a build service for Fedora uses, built as it would be: the source package from the
# checked-out commit (.copr/Makefile), rebuilt into the binary package with its tests run
# (those that need a display skip themselves). Its files, scriptlets and recommendations
# must be the CPack package's.
echo "== packaging/rpm/padcontrols.spec"
packager=$(sed -n 's/^# Maintainer: //p' packaging/arch/PKGBUILD)
make -s -f .copr/Makefile srpm outdir="$work/srpm" packager="$packager" >/dev/null
srpm=$(one "$work"/srpm/padcontrols-*.src.rpm)
start=$SECONDS
rpmbuild --rebuild --nodeps --define "_topdir $work/rpmbuild" --define "packager $packager" \
  "$srpm" >"$work/rpmbuild.log" 2>&1 ||
  { tail -n 60 "$work/rpmbuild.log" >&2; fail "rpmbuild --rebuild $srpm"; }
grep -E '^[0-9]+% tests passed, 0 tests failed out of [1-9]' "$work/rpmbuild.log" ||
  fail "the recipe's %check ran no tests"
echo "rpmbuild --rebuild: $((SECONDS - start)) s"
specrpm=$(one "$work"/rpmbuild/RPMS/*/padcontrols-[0-9]*.rpm)
rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$specrpm" | grep -v '^d' | cut -d' ' -f2- |
  grep -v '^/usr/lib/\.build-id/' | sort >"$work/spec.files"
diff -u "$work/rpm.common" "$work/spec.files" ||
  fail "the recipe's package holds other files than the CPack .rpm"
[ "$(rpm -qp --licensefiles "$specrpm")" = "$licence" ] || fail "the recipe does not mark $licence"
recommends=$(rpm -qp --recommends "$specrpm" | sort | tr '\n' ' ')
[ "$recommends" = "google-noto-sans-cjk-fonts google-noto-sans-fonts qt6-qtwayland " ] ||
  fail "the recipe's package recommends: $recommends"
rpm -qp --scripts "$specrpm" >"$work/spec.scripts"
for section in postinstall postuninstall; do
  sed -n "/^$section scriptlet/,/^[a-z]* scriptlet/p" "$work/spec.scripts" |
    grep -q "udevadm control --reload-rules" || fail "the recipe's $section does not reload udev"
done
rpmlint -c packaging/rpm/rpmlint.toml "$srpm" "$specrpm" || fail "rpmlint errors in the recipe's packages"

echo "== lintian $deb"
lintian --fail-on error "$deb" || fail "lintian errors"

echo "== dpkg -i"
$sudo dpkg -i "$deb" >/dev/null
dpkg-query -L padcontrols | sort >"$work/files"

desktop-file-validate /usr/share/applications/padcontrols.desktop || fail "desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/org.padcontrols.PadControls.metainfo.xml ||
  fail "AppStream metainfo"

[ "$(command -v padctl)" = /usr/bin/padctl ] || fail "padctl is not on PATH"
padctl --help >/dev/null || fail "padctl --help"
[ -x /usr/bin/padcontrols ] || fail "the padcontrols link"
set +e
LC_ALL=C padctl info >"$work/out" 2>"$work/err"
code=$?
set -e
[ $code -eq 1 ] || fail "padctl info without a controller exited $code, expected 1"
grep -qx "padctl: no controller found" "$work/err" || fail "padctl info said: $(cat "$work/err")"
[ ! -s "$work/out" ] || fail "padctl info printed data without a controller"

echo "== dpkg -r"
$sudo dpkg -r padcontrols >/dev/null
left=()
while read -r path; do
  # Folders other packages also own (such as the icon theme's) stay; everything the package
  # alone brought must go.
  if [ -e "$path" ] || [ -L "$path" ]; then
    if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
    left+=("$path")
  fi
done <"$work/files"
for folder in /usr/libexec/padcontrols /usr/share/doc/padcontrols /usr/share/licenses/padcontrols; do
  [ ! -e "$folder" ] || left+=("$folder")
done
[ ${#left[@]} -eq 0 ] || fail "left behind after removal: ${left[*]}"
echo "package checks passed: $deb $rpm $arch"
