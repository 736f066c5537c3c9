#!/usr/bin/env bash
# Checks the Debian package that scripts/package.sh built: lintian, the demo left out, then
# installed with dpkg: the desktop entry and AppStream data validate, padctl runs from PATH
# and says clearly that there is no controller; removed: every file it installed is gone.
# Installs and removes the package on this machine, so run it where that is wanted (CI).
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
tools=(lintian desktop-file-utils appstream)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
fi

debs=(build/package/package/padcontrols_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one package, found: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
fail() { echo "package check failed: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== lintian $deb"
lintian --fail-on error "$deb" || fail "lintian errors"
if dpkg-deb -c "$deb" | grep -q demo; then fail "the demo is in the package"; fi

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
for folder in /usr/libexec/padcontrols /usr/share/doc/padcontrols; do
  [ ! -e "$folder" ] || left+=("$folder")
done
[ ${#left[@]} -eq 0 ] || fail "left behind after removal: ${left[*]}"
echo "package checks passed: $deb"
