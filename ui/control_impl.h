// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "ui/attribute_values.h"
#include "ui/controls.h"

namespace ui {
class ControlWidget;
}

// Everything a control knows, filled by SetAttribute. The widget paints from it.
struct CControlUI::Impl {
  CControlUI* self = nullptr;
  QString className;
  CPaintManagerUI* manager = nullptr;
  CControlUI* parent = nullptr;
  std::vector<CControlUI*> children;
  // While the skin builds this control's subtree: its children's geometry changes wait for the
  // one layout at the end of the subtree instead of laying out the whole row at every child.
  bool building = false;
  QPointer<ui::ControlWidget> widget;
  QHash<QString, QString> attributes;

  QString name;
  QString text;
  bool hasPos = false;
  ui::Quad pos;
  bool floating = false;
  int width = -1;
  int height = -1;
  ui::Quad padding;
  ui::Quad textPadding;
  // Where its parent's layout put it, in skin pixels from the window's corner; its widget covers
  // that rectangle at the window's scale. Its children are laid out in this size.
  QPoint skinOrigin;
  QSize skinSize;

  std::uint32_t bkColor = 0;
  std::uint32_t textColor = 0xFF000000u;
  std::uint32_t disabledTextColor = 0xFF808080u;
  std::uint32_t borderColor = 0;
  int borderSize = -1;
  QString bkImage, normalImage, hotImage, pushedImage, selectedImage, disabledImage;
  int font = -1;
  int align = -1;

  bool visible = true;
  bool enabled = true;
  bool selected = false;
  QString group;

  int minValue = 0;
  int maxValue = 100;
  int value = 0;

  QStringList items;
  int curSel = -1;

  // Pointer state of buttons and options.
  bool hot = false;
  bool pushed = false;

  // Set by the program: the name assistive technology reads ("accname"; the text when unset),
  // and whether the control offers a menu ("menu": right-click, press-and-hold or the
  // show-menu action send a "menu" notification).
  QString accessibleName;
  bool hasMenu = false;

  bool IsClickable() const { return className == "Button" || className == "Option"; }
  bool IsContainer() const {
    return className == "Container" || className == "HorizontalLayout" ||
           className == "VerticalLayout";
  }
  // Recomputes the placement of the children (and, for a layout child, of the siblings).
  void Relayout();
  void RelayoutParent();
  // One option of a group is selected at a time: unselects the others when this one is.
  void KeepGroupExclusive();
};
