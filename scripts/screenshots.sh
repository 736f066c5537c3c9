#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the pictures of the window that the README and the AppStream data show, in
# docs/screenshots/: builds app_screenshots (dev preset), which draws every page offscreen
# against the emulated controller, and keeps five of its pictures, reduced to a 256-colour
# palette and recompressed so the repository stays small. Needs no display. Run it after any
# change to how the window looks, then look at the pictures before committing them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/install-packages.sh pngquant optipng
cmake --preset dev >/dev/null
cmake --build --preset dev --target app_screenshots

drawn=build/dev/screenshots
rm -rf "$drawn"
# At the window's own size, whatever the caller's screen and scale are.
env -u QT_SCALE_FACTOR -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
  build/dev/app_screenshots >"$drawn.log" 2>&1 || { cat "$drawn.log" >&2; exit 1; }

# The picture each file is made from: the model that shows every settings group, the pages
# as a user sees them after a few edits, the picker over the rear-button page.
pictures=(
  main_en:main_T2803-31_en
  backkeys_en:edited_backkeys_en
  controlkeys_en:edited_controlkeys_en
  picker_en:picker_BackKeySet2Btn_en
  controlkeys_zh:edited_controlkeys_zh
)
out=docs/screenshots
mkdir -p "$out"
rm -f "$out"/*.png
for pair in "${pictures[@]}"; do
  name=${pair%%:*}
  source="$drawn/${pair#*:}.png"
  [ -f "$source" ] || { echo "app_screenshots drew no $source" >&2; exit 1; }
  pngquant --force --strip --speed 1 --output "$out/$name.png" -- "$source"
  optipng -quiet -o7 -strip all "$out/$name.png"
done
du -b "$out"/*.png
