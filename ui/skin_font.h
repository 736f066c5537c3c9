// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace ui {
// A skin font: `families` is the skin's comma-separated list, of which the first installed one
// is drawn with and the others stay as fallbacks for missing glyphs. With
// `chineseAsFallback`, families made for Chinese go behind the others: a window whose texts
// are not Chinese then never opens their large files for its Latin text, yet can still show a
// Chinese glyph. `pixelSize` 0 keeps the application's size.
QFont SkinFont(const QString& families, int pixelSize, bool bold, bool chineseAsFallback);
}  // namespace ui
