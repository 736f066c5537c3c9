#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures of the window: the main menu, both settings pages and the key picker in
# English and one page in Chinese are in docs/screenshots/, README.md and the AppStream data
# show exactly those, and each is a palette PNG of at most 48 KiB, as scripts/screenshots.sh
# leaves them (an unreduced redraw is several times larger).
set -eu
cd "$1"
expected="backkeys_en.png controlkeys_en.png controlkeys_zh.png main_en.png picker_en.png"
names() { grep -o "$1[A-Za-z0-9_]*\.png" "$2" | sed 's|.*/||' | sort -u | tr '\n' ' ' | sed 's/ $//'; }
fail=0
present=$(cd docs/screenshots && ls -- *.png | sort | tr '\n' ' ' | sed 's/ $//')
readme=$(names 'docs/screenshots/' README.md)
metainfo=$(names '@PADCONTROLS_SCREENSHOTS_URL@/' packaging/org.padcontrols.PadControls.metainfo.xml.in)
for pair in "docs/screenshots/ holds:$present" "README.md shows:$readme" "the AppStream data shows:$metainfo"; do
  [ "${pair#*:}" = "$expected" ] || { echo "${pair%%:*} ${pair#*:}; expected $expected"; fail=1; }
done
for picture in docs/screenshots/*.png; do
  # The colour type in the PNG header: 3 is a palette.
  colour=$(od -An -tu1 -j25 -N1 "$picture" | tr -d ' ')
  size=$(wc -c <"$picture")
  [ "$colour" = 3 ] || { echo "$picture: colour type $colour, not a palette"; fail=1; }
  [ "$size" -le 49152 ] || { echo "$picture: $size bytes"; fail=1; }
done
exit $fail
