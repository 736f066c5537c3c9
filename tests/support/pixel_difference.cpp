// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/pixel_difference.h"

#include <algorithm>
#include <cstdlib>

int DifferingPixels(const QImage& a, const QImage& b) {
  const QImage one = a.convertToFormat(QImage::Format_ARGB32);
  const QImage two = b.convertToFormat(QImage::Format_ARGB32);
  int differing = 0;
  for (int y = 0; y < one.height(); ++y) {
    for (int x = 0; x < one.width(); ++x) {
      const QRgb p = one.pixel(x, y);
      const QRgb q = two.pixel(x, y);
      const int worst = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
      if (worst > 64) ++differing;
    }
  }
  return differing;
}
