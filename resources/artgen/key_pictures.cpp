// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_pictures.h"

#include <QPainterPath>

#include "draw_helpers.h"
#include "theme.h"

namespace {

const QRectF kFull(0, 0, 52, 28);

// A keyboard keycap: a dark base with a lighter top face, like a key seen slightly from above.
QRectF DrawKeycap(QPainter& painter, const QColor& faceTop, const QColor& faceBottom) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x0F, 0x11, 0x15));
  painter.drawRoundedRect(kFull.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  const QRectF face = kFull.adjusted(2, 1.5, -2, -4);
  DrawRaisedBox(painter, face, 4, faceTop, faceBottom, QColor(0x55, 0x5D, 0x6D));
  return face;
}

QRectF DrawPlainKeycap(QPainter& painter) {
  return DrawKeycap(painter, QColor(0x40, 0x46, 0x53), QColor(0x2D, 0x32, 0x3C));
}

// Gamepad and mouse inputs sit on a flat plate tinted with the accent, so they read as "not a
// keyboard key" at a glance.
void DrawPlate(QPainter& painter) {
  DrawRaisedBox(painter, kFull.adjusted(0.5, 0.5, -0.5, -0.5), 6, QColor(0x1E, 0x2B, 0x3A),
                QColor(0x16, 0x1F, 0x2B), QColor(0x33, 0x4F, 0x6E));
}

bool DrawKey(QPainter& painter, const QString& label) {
  const QRectF face = DrawPlainKeycap(painter);
  DrawFittedText(painter, face.adjusted(3, 0, -3, 0), label, label.size() <= 2 ? 14 : 12, true,
                 theme::kText);
  return true;
}

bool DrawNumpadKey(QPainter& painter, const QString& label) {
  const QRectF face = DrawKeycap(painter, QColor(0x36, 0x48, 0x52), QColor(0x27, 0x35, 0x3D));
  DrawFittedText(painter, QRectF(face.left() + 2, face.top(), 18, face.height()),
                 QStringLiteral("NUM"), 7, true, QColor(0x8F, 0xC6, 0xD6));
  DrawFittedText(painter, QRectF(face.left() + 20, face.top(), face.width() - 22, face.height()),
                 label, 15, true, theme::kText);
  return true;
}

bool DrawArrowKey(QPainter& painter, const QString& label) {
  Direction direction;
  if (!ParseDirection(label, direction)) return false;
  const QRectF face = DrawPlainKeycap(painter);
  DrawArrow(painter, face.center(), 15, direction, theme::kText);
  return true;
}

bool DrawWheel(QPainter& painter, const QString& label) {
  Direction direction;
  if (!ParseDirection(label, direction) ||
      (direction != Direction::kUp && direction != Direction::kDown)) {
    return false;
  }
  DrawPlate(painter);
  // Mouse body with the wheel lit.
  const QRectF body(11, 4, 13, 20);
  painter.setPen(QPen(theme::kText, 1.4));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(body, 6.5, 6.5);
  painter.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), 12));
  painter.setPen(Qt::NoPen);
  painter.setBrush(theme::kAccent);
  painter.drawRoundedRect(QRectF(body.center().x() - 1.6, 7, 3.2, 5.5), 1.6, 1.6);
  // Scroll direction.
  DrawArrow(painter, QPointF(36, 14), 14, direction, theme::kAccent);
  return true;
}

bool DrawDpad(QPainter& painter, const QString& label) {
  Direction direction;
  if (!ParseDirection(label, direction)) return false;
  DrawPlate(painter);
  const QPointF c(26, 14);
  const qreal arm = 7.5;   // half the arm width
  const qreal reach = 11;  // centre to arm tip
  QPainterPath cross;
  cross.addRoundedRect(QRectF(c.x() - arm / 2, c.y() - reach, arm, reach * 2), 2, 2);
  cross.addRoundedRect(QRectF(c.x() - reach, c.y() - arm / 2, reach * 2, arm), 2, 2);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x4A, 0x52, 0x62));
  painter.drawPath(cross.simplified());
  QRectF lit;
  switch (direction) {
    case Direction::kUp:
      lit = QRectF(c.x() - arm / 2, c.y() - reach, arm, reach - 1);
      break;
    case Direction::kDown:
      lit = QRectF(c.x() - arm / 2, c.y() + 1, arm, reach - 1);
      break;
    case Direction::kLeft:
      lit = QRectF(c.x() - reach, c.y() - arm / 2, reach - 1, arm);
      break;
    case Direction::kRight:
      lit = QRectF(c.x() + 1, c.y() - arm / 2, reach - 1, arm);
      break;
  }
  painter.setBrush(theme::kAccent);
  painter.drawRoundedRect(lit, 2, 2);
  DrawTriangle(painter, lit.center(), 4.5, direction, theme::kWindow);
  return true;
}

QColor FaceColour(const QString& letter) {
  if (letter == QLatin1String("A")) return theme::kFaceA;
  if (letter == QLatin1String("B")) return theme::kFaceB;
  if (letter == QLatin1String("X")) return theme::kFaceX;
  if (letter == QLatin1String("Y")) return theme::kFaceY;
  return {};
}

bool DrawFaceButton(QPainter& painter, const QString& label) {
  const QColor colour = FaceColour(label);
  if (!colour.isValid()) return false;
  DrawPlate(painter);
  const QPointF c(26, 14);
  painter.setPen(QPen(colour, 1.6));
  painter.setBrush(colour.darker(260));
  painter.drawEllipse(c, 10.5, 10.5);
  DrawFittedText(painter, QRectF(c.x() - 10, c.y() - 10, 20, 20), label, 13, true, colour);
  return true;
}

void DrawStickCap(QPainter& painter, QPointF c, qreal radius, const QString& text) {
  painter.setPen(QPen(QColor(0x6A, 0x74, 0x88), 1.2));
  painter.setBrush(QColor(0x2E, 0x34, 0x40));
  painter.drawEllipse(c, radius, radius);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x3C, 0x44, 0x53));
  painter.drawEllipse(c, radius * 0.62, radius * 0.62);
  DrawFittedText(painter, QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2), text,
                 radius * 1.05, true, theme::kText);
}

bool DrawStick(QPainter& painter, const QString& label) {
  const QStringList parts = label.split(' ', Qt::SkipEmptyParts);
  Direction direction;
  if (parts.size() != 2 || (parts[0] != QLatin1String("L") && parts[0] != QLatin1String("R")) ||
      !ParseDirection(parts[1], direction)) {
    return false;
  }
  DrawPlate(painter);
  DrawStickCap(painter, QPointF(16, 14), 10, parts[0]);
  DrawArrow(painter, QPointF(38, 14), 15, direction, theme::kAccent);
  return true;
}

bool DrawStickPress(QPainter& painter, const QString& label) {
  if (label != QLatin1String("L3") && label != QLatin1String("R3")) return false;
  DrawPlate(painter);
  // Press rings around the cap say "push the stick in".
  painter.setPen(QPen(theme::kAccent, 1.3));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(26, 14), 12.5, 12.5);
  DrawStickCap(painter, QPointF(26, 14), 9.5, label);
  return true;
}

bool DrawShoulder(QPainter& painter, const QString& label, bool trigger) {
  DrawPlate(painter);
  QPainterPath shape;
  if (trigger) {
    // A trigger: taller, rounded at the top, seen from the front.
    shape.moveTo(12, 24);
    shape.lineTo(12, 10);
    shape.cubicTo(12, 3, 40, 3, 40, 10);
    shape.lineTo(40, 24);
    shape.closeSubpath();
  } else {
    // A bumper: a wide, shallow bar.
    shape.addRoundedRect(QRectF(8, 8, 36, 13), 6.5, 6.5);
  }
  painter.setPen(QPen(theme::kAccent, 1.2));
  painter.setBrush(QColor(0x2E, 0x34, 0x40));
  painter.drawPath(shape);
  DrawFittedText(painter, shape.boundingRect().adjusted(0, trigger ? 2 : 0, 0, 0), label, 11, true,
                 theme::kText);
  return true;
}

bool DrawPadButton(QPainter& painter, const QString& label) {
  DrawPlate(painter);
  const QRectF pill(5, 7, 42, 14);
  painter.setPen(QPen(QColor(0x6A, 0x74, 0x88), 1));
  painter.setBrush(QColor(0x2E, 0x34, 0x40));
  painter.drawRoundedRect(pill, 7, 7);
  DrawFittedText(painter, pill.adjusted(3, 0, -3, 0), label.toUpper(), 9.5, true, theme::kText);
  return true;
}

void DrawEmptySlot(QPainter& painter) {
  QPen dashed(QColor(0x5A, 0x63, 0x75), 1.2, Qt::DashLine);
  dashed.setDashPattern({3, 2.5});
  painter.setPen(dashed);
  painter.setBrush(QColor(0x1A, 0x1D, 0x23));
  painter.drawRoundedRect(kFull.adjusted(1, 1, -1, -1), 5, 5);
  painter.setPen(QPen(QColor(0x5A, 0x63, 0x75), 1.4, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(22, 14), QPointF(30, 14));
}

void DrawHoverFrame(QPainter& painter) {
  QColor fill = theme::kAccent;
  fill.setAlpha(0x22);
  QColor edge = theme::kAccent;
  edge.setAlpha(0xC0);
  painter.setPen(QPen(edge, 1.5));
  painter.setBrush(fill);
  painter.drawRoundedRect(kFull.adjusted(0.75, 0.75, -0.75, -0.75), 5, 5);
}

void DrawArmedFrame(QPainter& painter) {
  QColor glow = theme::kAccent;
  glow.setAlpha(0x40);
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawRoundedRect(kFull, 6, 6);
  painter.setPen(QPen(theme::kAccent, 2.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(kFull.adjusted(1.1, 1.1, -1.1, -1.1), 5, 5);
  // A small dot in the corner: "listening for a key".
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
  painter.drawEllipse(QPointF(47, 5), 2, 2);
}

}  // namespace

bool DrawKeyPicture(QPainter& painter, const KeyPictureSpec& spec) {
  const QString& style = spec.style;
  if (style == QLatin1String("key")) return DrawKey(painter, spec.label);
  if (style == QLatin1String("numpad")) return DrawNumpadKey(painter, spec.label);
  if (style == QLatin1String("arrow")) return DrawArrowKey(painter, spec.label);
  if (style == QLatin1String("wheel")) return DrawWheel(painter, spec.label);
  if (style == QLatin1String("dpad")) return DrawDpad(painter, spec.label);
  if (style == QLatin1String("face")) return DrawFaceButton(painter, spec.label);
  if (style == QLatin1String("stick")) return DrawStick(painter, spec.label);
  if (style == QLatin1String("stickpress")) return DrawStickPress(painter, spec.label);
  if (style == QLatin1String("shoulder")) return DrawShoulder(painter, spec.label, false);
  if (style == QLatin1String("trigger")) return DrawShoulder(painter, spec.label, true);
  if (style == QLatin1String("pad")) return DrawPadButton(painter, spec.label);
  return false;
}

void AddKeyPictures(PictureSink& sink, const std::vector<KeyPictureSpec>& rows,
                    QStringList& errors) {
  for (const KeyPictureSpec& spec : rows) {
    bool drawn = true;
    sink.Add(spec.file, kKeyPictureSize,
             [&](QPainter& painter) { drawn = DrawKeyPicture(painter, spec) && drawn; });
    if (!drawn) {
      errors << QStringLiteral("%1: style \"%2\" cannot draw \"%3\"")
                    .arg(spec.file, spec.style, spec.label);
    }
  }
  sink.Add(QStringLiteral("NC.png"), kKeyPictureSize, DrawEmptySlot);
  sink.Add(QStringLiteral("Key_hot.png"), kKeyPictureSize, DrawHoverFrame);
  sink.Add(QStringLiteral("Key_push.png"), kKeyPictureSize, DrawArmedFrame);
}
