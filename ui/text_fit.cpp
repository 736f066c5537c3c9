// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPaintDevice>

namespace ui {
namespace {
constexpr int kSmallestPixels = 8;

bool Fits(const QFont& font, const QString& text, QSizeF room, const QPaintDevice* device) {
  const QFontMetricsF metrics =
      device != nullptr ? QFontMetricsF(font, device) : QFontMetricsF(font);
  const QSizeF needed = metrics.size(0, text);
  return needed.width() <= room.width() && needed.height() <= room.height();
}
}  // namespace

QFont FitTextFont(QFont font, const QString& text, QSizeF room, const QPaintDevice* device) {
  if (text.isEmpty() || Fits(font, text, room, device)) return font;
  int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  while (pixels > kSmallestPixels) {
    font.setPixelSize(--pixels);
    if (Fits(font, text, room, device)) break;
  }
  return font;
}

}  // namespace ui
