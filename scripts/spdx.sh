#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file of the project says its licence in its first lines. Without arguments it
# lists the files that do not and fails; with --fix it adds the line where it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
line="SPDX-License-Identifier: GPL-3.0-or-later"
fix=false
[ "${1:-}" = "--fix" ] && fix=true

comment_for() {
  case "$1" in
    *.cpp | *.h | *.h.in) echo "// $line" ;;
    *.xml | *.xml.in) echo "<!-- $line -->" ;;
    *) echo "# $line" ;;
  esac
}

missing=0
while IFS= read -r file; do
  head -n 3 "$file" | grep -q "$line" && continue
  if ! $fix; then
    echo "no licence line: $file"
    missing=1
    continue
  fi
  comment=$(comment_for "$file")
  first=$(head -n 1 "$file")
  if [[ "$first" == '#!'* || "$first" == '<?xml'* ]]; then
    { echo "$first"; echo "$comment"; tail -n +2 "$file"; } > "$file.spdx"
  else
    { echo "$comment"; cat "$file"; } > "$file.spdx"
  fi
  chmod --reference="$file" "$file.spdx"
  mv "$file.spdx" "$file"
done < <(git ls-files -- '*.cpp' '*.h' '*.h.in' '*.py' '*.cmake' 'CMakeLists.txt' '**/CMakeLists.txt' \
           '*.sh' 'scripts/*' '.ci/run' 'resources/XmlMainWindow.xml' \
           'packaging/postinst' 'packaging/postrm' 'packaging/rpm/post' 'packaging/rpm/postun' \
           'packaging/arch/PKGBUILD' 'packaging/arch/padcontrols.install' \
           'packaging/rpm/padcontrols.spec' '.copr/Makefile' \
           'packaging/padctl.bash-completion' | grep -v '^tests/fuzz/corpus/')
exit "$missing"
