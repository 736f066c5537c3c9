// SPDX-License-Identifier: GPL-3.0-or-later
#include "handheld_model.h"

#include <QStringList>
#include <cstring>

#include "models/model_layout.h"
#include "names/control_names.h"

#include "theme.h"

namespace {

// What each key slot's button points at on the handheld.
struct KeyTarget {
  const char* button;
  const char* target;
};
constexpr KeyTarget kKeyTargets[] = {
    {names::kStickUpKey, "stick"},   {names::kStickLeftKey, "stick"},
    {names::kStickDownKey, "stick"}, {names::kStickRightKey, "stick"},
    {names::kSelectKey, "select"},   {names::kWheelUpKey, "dpad-up"},
    {names::kHomeKey, "dpad-left"},  {names::kWheelDownKey, "dpad-down"},
    {names::kEndKey, "dpad-right"},  {names::kStartKey, "start"},
    {names::kFaceYKey, "face-Y"},    {names::kFaceBKey, "face-B"},
    {names::kFaceAKey, "face-A"},    {names::kFaceXKey, "face-X"},
};

// The top-left corner of a "x,y,r,b" position value (blanks allowed).
QPointF TopLeftOf(const char* pos) {
  const QStringList parts = QString::fromLatin1(pos).split(QLatin1Char(','));
  if (parts.size() < 2) return {};
  return {parts[0].trimmed().toDouble(), parts[1].trimmed().toDouble()};
}

// Each key button where the program puts it on this layout, so the picture is drawn around
// the very positions the window uses.
std::vector<KeySlotPlacement> Keys(int layoutNumber) {
  std::vector<KeySlotPlacement> keys;
  const ModelLayout* layout = LayoutFor(layoutNumber);
  if (layout == nullptr) return keys;
  for (const KeyTarget& key : kKeyTargets) {
    for (const AttributeSetting& setting : layout->positions) {
      if (std::strcmp(setting.control, key.button) == 0) {
        keys.push_back({QString::fromLatin1(key.button), TopLeftOf(setting.value),
                        QString::fromLatin1(key.target)});
      }
    }
  }
  return keys;
}

HandheldModel MakeLayout1() {
  HandheldModel m;
  m.name = QStringLiteral("layout1");
  m.shape = HandheldModel::Shape::kSlab;
  m.body = QRectF(186, 14, 596, 330);
  m.screen = QRectF(364, 34, 238, 150);
  m.leftStick = QPointF(284, 75.5);
  m.rightStick = QPointF(684, 75.5);
  m.dpad = QPointF(272, 262);
  m.face = QPointF(696, 262);
  m.select = QPointF(332, 168);
  m.start = QPointF(636, 168);
  m.home = QPointF(483, 214);
  m.trim = theme::kAccent;
  m.keys = Keys(1);
  return m;
}

HandheldModel MakeLayout2() {
  HandheldModel m;
  m.name = QStringLiteral("layout2");
  m.shape = HandheldModel::Shape::kCompact;
  m.body = QRectF(238, 4, 488, 378);
  m.screen = QRectF(398, 22, 168, 178);
  m.leftStick = QPointF(326, 50.5);
  m.rightStick = QPointF(638, 50.5);
  m.dpad = QPointF(322, 300);
  m.face = QPointF(650, 262);
  m.select = QPointF(372, 210);
  m.start = QPointF(592, 176);
  m.home = QPointF(482, 236);
  m.trim = QColor(0xF0, 0x8A, 0x3C);
  m.keys = Keys(2);
  return m;
}

HandheldModel MakeLayout3() {
  HandheldModel m;
  m.name = QStringLiteral("layout3");
  m.shape = HandheldModel::Shape::kErgonomic;
  m.body = QRectF(182, 30, 602, 350);
  m.screen = QRectF(352, 48, 262, 168);
  m.leftStick = QPointF(248, 90.5);
  m.rightStick = QPointF(718, 90.5);
  m.dpad = QPointF(258, 280);
  m.face = QPointF(690, 227);
  m.select = QPointF(330, 196);
  m.start = QPointF(636, 272);
  m.home = QPointF(483, 246);
  m.trim = QColor(0xB0, 0x6C, 0xFF);
  m.ledRings = true;
  m.keys = Keys(3);
  return m;
}

HandheldModel MakeGeneric() {
  // Same button places as the skin's defaults; a plain grey shell with no trim.
  HandheldModel m = MakeLayout1();
  m.name = QStringLiteral("generic");
  m.shape = HandheldModel::Shape::kPlain;
  m.trim = QColor(0x5A, 0x63, 0x75);
  return m;
}

}  // namespace

const HandheldModel& Layout1Model() {
  static const HandheldModel model = MakeLayout1();
  return model;
}

const HandheldModel& Layout2Model() {
  static const HandheldModel model = MakeLayout2();
  return model;
}

const HandheldModel& Layout3Model() {
  static const HandheldModel model = MakeLayout3();
  return model;
}

const HandheldModel& GenericModel() {
  static const HandheldModel model = MakeGeneric();
  return model;
}

bool TargetPoint(const HandheldModel& model, const QString& target, QPointF& point) {
  const QPointF d = model.dpad;
  const QPointF f = model.face;
  const qreal r = kDpadReach - 6;  // middle of an arm
  const qreal s = kFaceSpacing;
  if (target == QLatin1String("stick")) {
    point = model.leftStick;
  } else if (target == QLatin1String("select")) {
    point = model.select;
  } else if (target == QLatin1String("start")) {
    point = model.start;
  } else if (target == QLatin1String("dpad-up")) {
    point = d + QPointF(0, -r);
  } else if (target == QLatin1String("dpad-down")) {
    point = d + QPointF(0, r);
  } else if (target == QLatin1String("dpad-left")) {
    point = d + QPointF(-r, 0);
  } else if (target == QLatin1String("dpad-right")) {
    point = d + QPointF(r, 0);
  } else if (target == QLatin1String("face-Y")) {
    point = f + QPointF(0, -s);
  } else if (target == QLatin1String("face-A")) {
    point = f + QPointF(0, s);
  } else if (target == QLatin1String("face-X")) {
    point = f + QPointF(-s, 0);
  } else if (target == QLatin1String("face-B")) {
    point = f + QPointF(s, 0);
  } else {
    return false;
  }
  return true;
}
