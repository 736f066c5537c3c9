// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_order.h"

#include <gtest/gtest.h>

namespace {

// A title bar with two buttons at the right, two cards side by side (listed right one first)
// with a small help button below each card's right corner, and under the right card a row of
// three keys where the middle one sits a little lower.
const std::vector<QRect> kLayout = {
    QRect(868, 0, 46, 44),      // 0 minimise
    QRect(914, 0, 46, 44),      // 1 close
    QRect(570, 130, 300, 300),  // 2 right card
    QRect(110, 130, 300, 300),  // 3 left card
    QRect(394, 442, 24, 24),    // 4 left card's help
    QRect(854, 442, 24, 24),    // 5 right card's help
    QRect(580, 520, 52, 28),    // 6 key
    QRect(640, 526, 52, 28),    // 7 key, 6 px lower
    QRect(700, 520, 52, 28),    // 8 key
};

TEST(FocusOrderTest, ReadingOrderGoesByRowsThenLeftToRight) {
  EXPECT_EQ(ui::ReadingOrder(kLayout), (std::vector<int>{0, 1, 3, 2, 4, 5, 6, 7, 8}));
  EXPECT_EQ(ui::ReadingOrder({}), std::vector<int>{});
}

TEST(FocusOrderTest, ArrowsGoToTheNearestControlWhollyBeyondAndStraightAheadFirst) {
  using ui::FocusDirection;
  auto from = [](int index, FocusDirection direction) {
    return ui::NearestInDirection(kLayout, index, direction);
  };
  // From the left card, right is the other card, not its own help button.
  EXPECT_EQ(from(3, FocusDirection::kRight), 2);
  EXPECT_EQ(from(2, FocusDirection::kLeft), 3);
  // Below a card, its help button; below that, the nearest key; above, the title bar's nearer
  // button.
  EXPECT_EQ(from(3, FocusDirection::kDown), 4);
  EXPECT_EQ(from(4, FocusDirection::kDown), 6);
  EXPECT_EQ(from(5, FocusDirection::kDown), 8);
  EXPECT_EQ(from(2, FocusDirection::kUp), 0);
  // Along the row of keys, the lower middle key is still the next one.
  EXPECT_EQ(from(6, FocusDirection::kRight), 7);
  EXPECT_EQ(from(7, FocusDirection::kRight), 8);
  EXPECT_EQ(from(8, FocusDirection::kLeft), 7);
  // Nothing beyond: no move. A control that only overhangs this one's edge counts when nothing
  // lies wholly beyond.
  EXPECT_EQ(from(1, FocusDirection::kRight), -1);
  EXPECT_EQ(from(6, FocusDirection::kDown), -1);
  EXPECT_EQ(ui::NearestInDirection({QRect(0, 0, 100, 100), QRect(80, 40, 30, 30)}, 0,
                                   FocusDirection::kRight),
            1);
  EXPECT_EQ(from(42, FocusDirection::kUp), -1);
}

}  // namespace
