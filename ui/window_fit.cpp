// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ui {

WindowFit FitWindow(QSize skinSize, QSize available) {
  WindowFit fit;
  fit.windowSize = skinSize;
  if (skinSize.isEmpty() || available.isEmpty()) return fit;
  const qreal across = qreal(available.width()) / skinSize.width();
  const qreal down = qreal(available.height()) / skinSize.height();
  fit.contentScale = std::min({1.0, across, down});
  if (fit.contentScale >= 1.0) return fit;
  // Rounded down, so the window never grows past the area by a rounding step.
  fit.windowSize = QSize(std::max(1, int(std::floor(skinSize.width() * fit.contentScale + 1e-6))),
                         std::max(1, int(std::floor(skinSize.height() * fit.contentScale + 1e-6))));
  return fit;
}

WindowFit FitWindowOnScreen(QSize skinSize, const QWidget* window) {
  const QScreen* screen = window != nullptr ? window->screen() : nullptr;
  return FitWindow(skinSize, screen != nullptr ? screen->availableGeometry().size() : QSize());
}

QRect ScaleSkinRect(const QRect& skinRect, qreal scale) {
  if (scale == 1.0) return skinRect;
  const auto at = [scale](int skinPixels) { return int(std::lround(skinPixels * scale)); };
  const int left = at(skinRect.x());
  const int top = at(skinRect.y());
  return QRect(left, top, at(skinRect.x() + skinRect.width()) - left,
               at(skinRect.y() + skinRect.height()) - top);
}

}  // namespace ui
