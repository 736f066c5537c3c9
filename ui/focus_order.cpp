// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_order.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace ui {
namespace {

const QRect& At(const std::vector<QRect>& rects, int index) {
  return rects[static_cast<std::size_t>(index)];
}

}  // namespace

std::vector<int> ReadingOrder(const std::vector<QRect>& rects) {
  std::vector<int> byTop(rects.size());
  std::iota(byTop.begin(), byTop.end(), 0);
  std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) {
    return At(rects, a).top() != At(rects, b).top() ? At(rects, a).top() < At(rects, b).top()
                                                    : At(rects, a).left() < At(rects, b).left();
  });
  std::vector<int> order;
  std::vector<bool> placed(rects.size(), false);
  const auto isPlaced = [&](int index) { return placed[static_cast<std::size_t>(index)]; };
  for (std::size_t i = 0; i < byTop.size(); ++i) {
    if (isPlaced(byTop[i])) continue;
    const QRect& head = At(rects, byTop[i]);
    std::vector<int> row;
    for (std::size_t j = i; j < byTop.size(); ++j) {
      const int candidate = byTop[j];
      if (isPlaced(candidate)) continue;
      const int centre = At(rects, candidate).center().y();
      if (centre >= head.top() && centre <= head.bottom()) row.push_back(candidate);
    }
    std::stable_sort(row.begin(), row.end(),
                     [&](int a, int b) { return At(rects, a).left() < At(rects, b).left(); });
    for (int index : row) {
      placed[static_cast<std::size_t>(index)] = true;
      order.push_back(index);
    }
  }
  return order;
}

namespace {

// The nearest candidate; `strict` asks for its centre beyond the current control's far edge,
// otherwise beyond its centre and across its path.
int Nearest(const std::vector<QRect>& rects, int from, FocusDirection direction, bool strict) {
  const QRect& here = At(rects, from);
  const QPoint centre = here.center();
  int best = -1;
  long long bestScore = std::numeric_limits<long long>::max();
  for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
    if (i == from) continue;
    const QRect& there = At(rects, i);
    const QPoint c = there.center();
    bool ahead = false;
    switch (direction) {
      case FocusDirection::kLeft:
        ahead = c.x() < (strict ? here.left() : centre.x());
        break;
      case FocusDirection::kRight:
        ahead = c.x() > (strict ? here.right() : centre.x());
        break;
      case FocusDirection::kUp:
        ahead = c.y() < (strict ? here.top() : centre.y());
        break;
      case FocusDirection::kDown:
        ahead = c.y() > (strict ? here.bottom() : centre.y());
        break;
    }
    const bool sideways = direction == FocusDirection::kLeft || direction == FocusDirection::kRight;
    // An overhanging control lies across this one's path, not beside it.
    const bool across = sideways ? there.top() <= here.bottom() && there.bottom() >= here.top()
                                 : there.left() <= here.right() && there.right() >= here.left();
    if (!ahead || (!strict && !across)) continue;
    const long long along = std::abs(sideways ? c.x() - centre.x() : c.y() - centre.y());
    const long long aside = std::abs(sideways ? c.y() - centre.y() : c.x() - centre.x());
    const long long score = along + 2 * aside;
    if (score < bestScore) {
      bestScore = score;
      best = i;
    }
  }
  return best;
}

}  // namespace

int NearestInDirection(const std::vector<QRect>& rects, int from, FocusDirection direction) {
  if (from < 0 || from >= static_cast<int>(rects.size())) return -1;
  // A control that merely overhangs this one (a small button at a big one's corner) is not
  // "beyond" it; only when nothing lies wholly beyond does an overhanging one count.
  const int beyond = Nearest(rects, from, direction, true);
  return beyond >= 0 ? beyond : Nearest(rects, from, direction, false);
}

}  // namespace ui
