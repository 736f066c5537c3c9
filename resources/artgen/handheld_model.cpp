#include "handheld_model.h"

#include "theme.h"

namespace {

// The button of each key slot and what it points at, with the position the program gives it
// on that board (pos "x,y,0,0").
std::vector<KeySlotPlacement> Keys(QPointF w, QPointF a, QPointF s, QPointF d, QPointF space,
                                   QPointF wheelUp, QPointF home, QPointF wheelDown, QPointF end,
                                   QPointF enter, QPointF y, QPointF b, QPointF faceA, QPointF x) {
  return {
      {QStringLiteral("ConKeyWBtn"), w, QStringLiteral("stick")},
      {QStringLiteral("ConKeyABtn"), a, QStringLiteral("stick")},
      {QStringLiteral("ConKeySBtn"), s, QStringLiteral("stick")},
      {QStringLiteral("ConKeyDBtn"), d, QStringLiteral("stick")},
      {QStringLiteral("ConSpacebarSBtn"), space, QStringLiteral("select")},
      {QStringLiteral("ConMSRollUpBtn"), wheelUp, QStringLiteral("dpad-up")},
      {QStringLiteral("ConKeyHomeBtn"), home, QStringLiteral("dpad-left")},
      {QStringLiteral("ConMSRollDownBtn"), wheelDown, QStringLiteral("dpad-down")},
      {QStringLiteral("ConKeyEndBtn"), end, QStringLiteral("dpad-right")},
      {QStringLiteral("ConEnterBtn"), enter, QStringLiteral("start")},
      {QStringLiteral("ConKeySetYBtn"), y, QStringLiteral("face-Y")},
      {QStringLiteral("ConKeySetBBtn"), b, QStringLiteral("face-B")},
      {QStringLiteral("ConKeySetABtn"), faceA, QStringLiteral("face-A")},
      {QStringLiteral("ConKeySetXBtn"), x, QStringLiteral("face-X")},
  };
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
  m.keys = Keys({258, 41}, {205, 61}, {258, 82}, {313, 61}, {122, 178}, {122, 211}, {122, 241},
                {123, 275}, {123, 306}, {793, 175}, {793, 208}, {793, 239}, {793, 270}, {793, 302});
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
  m.keys = Keys({300, 16}, {246, 36}, {300, 57}, {354, 36}, {176, 218}, {176, 250}, {176, 282},
                {176, 314}, {176, 347}, {736, 172}, {736, 205}, {736, 236}, {736, 267}, {736, 299});
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
  m.keys = Keys({222, 56}, {169, 76}, {222, 97}, {276, 76}, {121, 201}, {121, 234}, {121, 265},
                {121, 298}, {121, 330}, {792, 276}, {792, 181}, {792, 212}, {792, 244}, {792, 149});
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
