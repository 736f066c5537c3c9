// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <vector>

// Where keyboard focus goes among controls, judged from their rectangles alone (window
// coordinates), so the order follows what the user sees rather than the skin's nesting.
namespace ui {

enum class FocusDirection { kLeft, kRight, kUp, kDown };

// The indexes of `rects` in reading order: rows from top to bottom, each row left to right. A
// control belongs to the row of the first control above it whose vertical span holds its
// centre, so a slightly lower neighbour on the same line still reads after its left neighbour.
std::vector<int> ReadingOrder(const std::vector<QRect>& rects);

// The control nearest to `rects[from]` in `direction`, or -1 when there is none. Candidates
// whose centre lies beyond the current control's far edge come first; only without any does
// one count whose centre lies beyond the current centre and that overlaps the current control's
// span across the direction (a small button overhanging a big one's edge). Between centres, the
// distance along the direction counts once and the sideways offset twice, so the control straight
// ahead wins over a closer one off to the side.
int NearestInDirection(const std::vector<QRect>& rects, int from, FocusDirection direction);

}  // namespace ui
