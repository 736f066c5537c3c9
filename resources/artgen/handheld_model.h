// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

// Where a control-key button sits (top-left, in the coordinates of the 960x390 control-key
// picture, which the skin places at the origin of the buttons' parent) and which control of
// the handheld it stands for.
struct KeySlotPlacement {
  QString button;  // skin name
  QPointF topLeft;
  // Control of the handheld the button points at: "stick" (the button sits on the left stick),
  // "select", "start", "dpad-up", "dpad-down", "dpad-left", "dpad-right", "face-A" ... "face-Y".
  QString target;
};

// One handheld as the pictures draw it. Every coordinate is in the 960x390 control-key picture.
struct HandheldModel {
  enum class Shape { kSlab, kCompact, kErgonomic, kPlain };

  QString name;
  Shape shape = Shape::kPlain;
  QRectF body;    // outer bounds of the shell, grips included
  QRectF screen;  // the display
  QPointF leftStick;
  QPointF rightStick;
  QPointF dpad;
  QPointF face;  // centre of the A/B/X/Y diamond
  QPointF select;
  QPointF start;
  QPointF home;
  QColor trim;            // thin accent line along the shell
  bool ledRings = false;  // RGB light rings around the sticks
  std::vector<KeySlotPlacement> keys;
};

inline constexpr qreal kDpadReach = 21;    // centre of the pad to the tip of an arm
inline constexpr qreal kFaceSpacing = 23;  // centre of the diamond to a face button
inline constexpr qreal kFaceRadius = 10;
inline constexpr qreal kStickRadius = 24;

// Layouts 1, 2 and 3 of the known boards, and the neutral handheld used for unknown boards.
const HandheldModel& Layout1Model();
const HandheldModel& Layout2Model();
const HandheldModel& Layout3Model();
const HandheldModel& GenericModel();

// The point of the handheld a target name stands for; false for an unknown name.
bool TargetPoint(const HandheldModel& model, const QString& target, QPointF& point);
