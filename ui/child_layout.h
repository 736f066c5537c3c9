// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "ui/attribute_values.h"

// Placement of a container's children, from their geometry attributes alone.
namespace ui {

enum class LayoutKind { Absolute, Horizontal, Vertical };

struct ChildGeometry {
  bool visible = true;
  bool floating = false;
  bool hasPos = false;
  Quad pos;        // left, top, right, bottom
  int width = -1;  // -1: not given
  int height = -1;
  Quad padding;  // left, top, right, bottom margins when stacked
};

// One rectangle per child, relative to the container. Stacked children of a layout that are
// hidden take no space; unsized ones share what the sized ones leave.
std::vector<QRect> LayoutChildren(LayoutKind kind, QSize area,
                                  const std::vector<ChildGeometry>& children);

}  // namespace ui
