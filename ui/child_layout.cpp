// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/child_layout.h"

#include <algorithm>

namespace ui {
namespace {

int Extent(int from, int to, int fixed, int available) {
  if (to > from) return to - from;
  if (fixed >= 0) return fixed;
  return std::max(0, available - from);
}

QRect PlaceByPos(QSize area, const ChildGeometry& child) {
  const int left = child.hasPos ? child.pos.a : 0;
  const int top = child.hasPos ? child.pos.b : 0;
  const int right = child.hasPos ? child.pos.c : 0;
  const int bottom = child.hasPos ? child.pos.d : 0;
  return QRect(left, top, Extent(left, right, child.width, area.width()),
               Extent(top, bottom, child.height, area.height()));
}

bool IsStacked(const ChildGeometry& child) {
  return child.visible && !child.floating;
}

// Lays the stacked children out along one axis; `along` picks the main axis extents.
void Stack(bool horizontal, QSize area, const std::vector<ChildGeometry>& children,
           std::vector<QRect>& out) {
  const int length = horizontal ? area.width() : area.height();
  const int cross = horizontal ? area.height() : area.width();
  int used = 0;
  int unsized = 0;
  for (const ChildGeometry& c : children) {
    if (!IsStacked(c)) continue;
    const int fixed = horizontal ? c.width : c.height;
    used += (horizontal ? c.padding.a + c.padding.c : c.padding.b + c.padding.d);
    if (fixed >= 0) {
      used += fixed;
    } else {
      ++unsized;
    }
  }
  const int spare = std::max(0, length - used);
  int remainingUnsized = unsized;
  int remainingSpare = spare;
  int cursor = 0;
  for (std::size_t i = 0; i < children.size(); ++i) {
    const ChildGeometry& c = children[i];
    if (!IsStacked(c)) continue;
    const int leadMargin = horizontal ? c.padding.a : c.padding.b;
    const int trailMargin = horizontal ? c.padding.c : c.padding.d;
    const int crossLead = horizontal ? c.padding.b : c.padding.a;
    const int crossTrail = horizontal ? c.padding.d : c.padding.c;
    int main = horizontal ? c.width : c.height;
    if (main < 0) {
      main = remainingUnsized == 1 ? remainingSpare : spare / unsized;
      remainingSpare -= main;
      --remainingUnsized;
    }
    int crossSize = horizontal ? c.height : c.width;
    if (crossSize < 0) crossSize = std::max(0, cross - crossLead - crossTrail);
    const int start = cursor + leadMargin;
    out[i] = horizontal ? QRect(start, crossLead, main, crossSize)
                        : QRect(crossLead, start, crossSize, main);
    cursor = start + main + trailMargin;
  }
}

}  // namespace

std::vector<QRect> LayoutChildren(LayoutKind kind, QSize area,
                                  const std::vector<ChildGeometry>& children) {
  std::vector<QRect> out(children.size());
  for (std::size_t i = 0; i < children.size(); ++i) {
    if (kind == LayoutKind::Absolute || children[i].floating) {
      out[i] = PlaceByPos(area, children[i]);
    }
  }
  if (kind != LayoutKind::Absolute) Stack(kind == LayoutKind::Horizontal, area, children, out);
  return out;
}

}  // namespace ui
