// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ui/attribute_values.h"
#include "ui/child_layout.h"
#include "ui/picture_path.h"

using ui::Quad;

TEST(AttributeValues, QuadsTolerateBlanksAndRejectGarbage) {
  EXPECT_EQ(ui::ParseQuad("205,61, 0, 0"), (Quad{205, 61, 0, 0}));
  EXPECT_EQ(ui::ParseQuad(" 1 ,2,3 , 4 "), (Quad{1, 2, 3, 4}));
  EXPECT_EQ(ui::ParseQuad("7,8"), (Quad{7, 8, 0, 0}));
  EXPECT_EQ(ui::ParseQuad("-3,4,5,6"), (Quad{-3, 4, 5, 6}));
  EXPECT_FALSE(ui::ParseQuad(""));
  EXPECT_FALSE(ui::ParseQuad("1,2,x,4"));
  EXPECT_FALSE(ui::ParseQuad("1,2,3,4,5"));
  EXPECT_FALSE(ui::ParseQuad("1,,3,4"));
}

TEST(AttributeValues, ColoursBoolsAndAlignment) {
  EXPECT_EQ(ui::ParseColor("#FF16181D"), 0xFF16181Du);
  EXPECT_EQ(ui::ParseColor("0x00FFFFFF"), 0x00FFFFFFu);
  EXPECT_EQ(ui::ParseColor("#123456"), 0xFF123456u);
  EXPECT_FALSE(ui::ParseColor("#12345"));
  EXPECT_FALSE(ui::ParseColor("#GG000000"));
  EXPECT_EQ(ui::FormatColor(0x00FFFFFFu), "#00FFFFFF");
  EXPECT_EQ(ui::ParseColor(ui::FormatColor(0x80A0B0C0u)), 0x80A0B0C0u);

  EXPECT_EQ(ui::ParseBool(" true"), true);
  EXPECT_EQ(ui::ParseBool("false"), false);
  EXPECT_FALSE(ui::ParseBool("yes"));

  EXPECT_EQ(ui::ParseAlign("center"), Qt::AlignHCenter | Qt::AlignVCenter);
  EXPECT_EQ(ui::ParseAlign("right, bottom"), Qt::AlignRight | Qt::AlignBottom);
  EXPECT_FALSE(ui::ParseAlign("middle"));
}

TEST(AttributeValues, PicturePaths) {
  const QString program = "/opt/pad/";
  const QString resources = "/opt/pad/Resources";
  EXPECT_EQ(ui::ResolvePicturePath("Key_A.png", program, resources),
            "/opt/pad/Resources/Key_A.png");
  EXPECT_EQ(ui::ResolvePicturePath("file='Resources/T2803/a.png'", program, resources),
            "/opt/pad/Resources/T2803/a.png");
  EXPECT_EQ(ui::ResolvePicturePath("file=\"Resources/b.png\" corner='1,1,1,1'", program, resources),
            "/opt/pad/Resources/b.png");
  EXPECT_EQ(ui::ResolvePicturePath("/abs/c.png", program, resources), "/abs/c.png");
  EXPECT_EQ(ui::ResolvePicturePath("  ", program, resources), "");
  EXPECT_EQ(ui::ResolvePicturePath("file=''", program, resources), "");
}

namespace {
ui::ChildGeometry Sized(int width, int height, Quad padding = {}) {
  ui::ChildGeometry g;
  g.width = width;
  g.height = height;
  g.padding = padding;
  return g;
}
}  // namespace

TEST(ChildLayout, StackedChildrenShareSpaceAndSkipHiddenOnes) {
  ui::ChildGeometry hidden = Sized(50, -1);
  hidden.visible = false;
  const std::vector<ui::ChildGeometry> children = {Sized(100, -1, {10, 5, 0, 0}), hidden,
                                                   Sized(-1, 30), Sized(-1, -1)};
  const auto rects = ui::LayoutChildren(ui::LayoutKind::Horizontal, QSize(400, 200), children);
  EXPECT_EQ(rects[0], QRect(10, 5, 100, 195));
  // 400 - 110 = 290 shared by the two unsized children.
  EXPECT_EQ(rects[2], QRect(110, 0, 145, 30));
  EXPECT_EQ(rects[3], QRect(255, 0, 145, 200));

  const auto column = ui::LayoutChildren(ui::LayoutKind::Vertical, QSize(200, 300),
                                         {Sized(220, 30, {151, 340, 0, 0}), Sized(-1, 20)});
  EXPECT_EQ(column[0], QRect(151, 340, 220, 30));
  EXPECT_EQ(column[1], QRect(0, 370, 200, 20));
}

TEST(ChildLayout, PositionedChildren) {
  ui::ChildGeometry byPos;
  byPos.hasPos = true;
  byPos.pos = {205, 61, 0, 0};
  byPos.width = 30;
  byPos.height = 20;
  ui::ChildGeometry full;  // no pos, no size: fills the container
  ui::ChildGeometry corners;
  corners.hasPos = true;
  corners.pos = {10, 20, 110, 70};
  const auto rects =
      ui::LayoutChildren(ui::LayoutKind::Absolute, QSize(400, 300), {byPos, full, corners});
  EXPECT_EQ(rects[0], QRect(205, 61, 30, 20));
  EXPECT_EQ(rects[1], QRect(0, 0, 400, 300));
  EXPECT_EQ(rects[2], QRect(10, 20, 100, 50));

  // In a layout only floating children follow their pos; the others stack around them.
  ui::ChildGeometry floating = corners;
  floating.floating = true;
  const auto stacked = ui::LayoutChildren(ui::LayoutKind::Vertical, QSize(400, 300),
                                          {floating, Sized(-1, 40), corners});
  EXPECT_EQ(stacked[0], QRect(10, 20, 100, 50));
  EXPECT_EQ(stacked[1], QRect(0, 0, 400, 40));
  EXPECT_EQ(stacked[2], QRect(0, 40, 400, 260));
}
