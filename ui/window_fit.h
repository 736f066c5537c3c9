// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// How a skin window of a fixed size is shown on a screen that may be too small for it at the
// system's scale: the whole skin drawn smaller, never larger than the skin asks.
namespace ui {

struct WindowFit {
  // Logical pixels per skin pixel: 1 when the skin fits, less when it has to shrink.
  qreal contentScale = 1.0;
  // The window's logical size at that scale; it lies within the available area.
  QSize windowSize;
};

// The fit of a skin of `skinSize` into `available` (logical pixels of the screen minus its
// panels). A skin without a size, or a screen without an area, keeps the skin's size.
WindowFit FitWindow(QSize skinSize, QSize available);

// The fit on the screen the window is on (the primary one before it is shown).
WindowFit FitWindowOnScreen(QSize skinSize, const QWidget* window);

// A rectangle in skin pixels as logical pixels of a window drawn at `scale`. Edges are rounded
// one by one, so neighbours stay neighbours without gaps.
QRect ScaleSkinRect(const QRect& skinRect, qreal scale);

}  // namespace ui
