// SPDX-License-Identifier: GPL-3.0-or-later
#include "handheld_painter.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "draw_helpers.h"
#include "theme.h"

namespace {

// The outline of the shell: a rounded slab with two grips that reach below it.
QPainterPath ShellPath(const HandheldModel& m) {
  const QRectF b = m.body;
  QPainterPath path;
  switch (m.shape) {
    case HandheldModel::Shape::kSlab:
    case HandheldModel::Shape::kPlain: {
      const qreal slabBottom = b.top() + b.height() * 0.82;
      path.addRoundedRect(QRectF(b.left(), b.top(), b.width(), slabBottom - b.top()), 58, 58);
      const qreal gripWidth = b.width() * 0.27;
      QPainterPath grips;
      grips.addEllipse(QRectF(b.left(), b.top() + b.height() * 0.35, gripWidth, b.height() * 0.65));
      grips.addEllipse(
          QRectF(b.right() - gripWidth, b.top() + b.height() * 0.35, gripWidth, b.height() * 0.65));
      path = path.united(grips);
      break;
    }
    case HandheldModel::Shape::kCompact: {
      // Tall pebble: tight corners at the top, wide round ones where the hands hold it.
      const qreal top = 44;
      const qreal bottom = 120;
      path.moveTo(b.left() + top, b.top());
      path.lineTo(b.right() - top, b.top());
      path.quadTo(b.right(), b.top(), b.right(), b.top() + top);
      path.lineTo(b.right(), b.bottom() - bottom);
      path.cubicTo(b.right(), b.bottom() - 10, b.right() - 40, b.bottom(), b.right() - bottom,
                   b.bottom());
      path.lineTo(b.left() + bottom, b.bottom());
      path.cubicTo(b.left() + 40, b.bottom(), b.left(), b.bottom() - 10, b.left(),
                   b.bottom() - bottom);
      path.lineTo(b.left(), b.top() + top);
      path.quadTo(b.left(), b.top(), b.left() + top, b.top());
      path.closeSubpath();
      break;
    }
    case HandheldModel::Shape::kErgonomic: {
      // Wide slab, grips that flare out and down.
      const qreal slabBottom = b.top() + b.height() * 0.70;
      path.addRoundedRect(QRectF(b.left() + 8, b.top(), b.width() - 16, slabBottom - b.top()), 46,
                          46);
      QPainterPath left;
      left.moveTo(b.left() + 8, b.top() + 120);
      left.cubicTo(b.left() - 4, b.top() + 230, b.left() + 10, b.bottom(), b.left() + 70,
                   b.bottom());
      left.cubicTo(b.left() + 120, b.bottom(), b.left() + 150, b.bottom() - 60, b.left() + 185,
                   slabBottom - 10);
      left.lineTo(b.left() + 185, b.top() + 120);
      left.closeSubpath();
      QPainterPath right;
      right.moveTo(b.right() - 8, b.top() + 120);
      right.cubicTo(b.right() + 4, b.top() + 230, b.right() - 10, b.bottom(), b.right() - 70,
                    b.bottom());
      right.cubicTo(b.right() - 120, b.bottom(), b.right() - 150, b.bottom() - 60, b.right() - 185,
                    slabBottom - 10);
      right.lineTo(b.right() - 185, b.top() + 120);
      right.closeSubpath();
      path = path.united(left).united(right);
      break;
    }
  }
  return path.simplified();
}

void PaintShoulders(QPainter& painter, const HandheldModel& m) {
  const QRectF b = m.body;
  const qreal width = m.shape == HandheldModel::Shape::kCompact ? 92 : 118;
  const qreal inset = m.shape == HandheldModel::Shape::kCompact ? 48 : 40;
  painter.setPen(QPen(theme::kShellEdge, 1));
  painter.setBrush(QColor(0x1C, 0x1F, 0x25));
  for (bool left : {true, false}) {
    const qreal x = left ? b.left() + inset : b.right() - inset - width;
    painter.drawRoundedRect(QRectF(x, b.top() - 6, width, 16), 7, 7);
  }
}

void PaintShell(QPainter& painter, const HandheldModel& m, bool rear) {
  const QPainterPath shell = ShellPath(m);
  // Soft shadow below the device.
  painter.save();
  painter.setPen(Qt::NoPen);
  for (int i = 6; i >= 1; --i) {
    painter.setBrush(QColor(0, 0, 0, 14));
    painter.drawPath(shell.translated(0, i * 1.5));
  }
  painter.restore();

  QLinearGradient fill(m.body.topLeft(), m.body.bottomLeft());
  const QColor top = rear ? QColor(0x2B, 0x2F, 0x37) : theme::kShellLight;
  const QColor bottom = rear ? QColor(0x1D, 0x20, 0x26) : theme::kShell;
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  painter.setPen(QPen(theme::kShellEdge, 1.5));
  painter.setBrush(fill);
  painter.drawPath(shell);

  // Trim line just inside the edge.
  QColor trim = m.trim;
  trim.setAlpha(rear ? 0x70 : 0x90);
  QPainterPathStroker stroker;
  stroker.setWidth(10);
  const QPainterPath inner = shell.subtracted(stroker.createStroke(shell));
  painter.setPen(QPen(trim, 1.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(inner);
}

void PaintScreen(QPainter& painter, const HandheldModel& m) {
  const QRectF bezel = m.screen.adjusted(-8, -8, 8, 8);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x0E, 0x10, 0x14));
  painter.drawRoundedRect(bezel, 10, 10);
  QLinearGradient glass(m.screen.topLeft(), m.screen.bottomRight());
  glass.setColorAt(0, QColor(0x1A, 0x22, 0x30));
  glass.setColorAt(1, QColor(0x0A, 0x0C, 0x11));
  painter.setBrush(glass);
  painter.drawRoundedRect(m.screen, 4, 4);
  // A faint reflection band across the glass.
  QPainterPath band;
  band.moveTo(m.screen.left() + m.screen.width() * 0.55, m.screen.top());
  band.lineTo(m.screen.left() + m.screen.width() * 0.75, m.screen.top());
  band.lineTo(m.screen.left() + m.screen.width() * 0.35, m.screen.bottom());
  band.lineTo(m.screen.left() + m.screen.width() * 0.15, m.screen.bottom());
  band.closeSubpath();
  painter.setBrush(QColor(255, 255, 255, 10));
  painter.drawPath(band);
}

void PaintLedRing(QPainter& painter, QPointF c, qreal radius) {
  QConicalGradient rainbow(c, 90);
  const QColor stops[] = {QColor(0xFF, 0x30, 0x30), QColor(0xFF, 0xC0, 0x20),
                          QColor(0x40, 0xE0, 0x60), QColor(0x30, 0xC0, 0xFF),
                          QColor(0x90, 0x50, 0xFF), QColor(0xFF, 0x30, 0x30)};
  for (int i = 0; i < 6; ++i) rainbow.setColorAt(i / 5.0, stops[i]);
  painter.setPen(QPen(QBrush(rainbow), 3));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(c, radius, radius);
}

void PaintStick(QPainter& painter, const HandheldModel& m, QPointF c, bool keyZone) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x14, 0x16, 0x1B));
  painter.drawEllipse(c, kStickRadius + 8, kStickRadius + 8);
  if (m.ledRings) PaintLedRing(painter, c, kStickRadius + 6);
  QRadialGradient cap(c - QPointF(6, 6), kStickRadius * 1.6);
  cap.setColorAt(0, QColor(0x4A, 0x52, 0x62));
  cap.setColorAt(1, QColor(0x25, 0x29, 0x31));
  painter.setPen(QPen(QColor(0x55, 0x5D, 0x6D), 1));
  painter.setBrush(cap);
  painter.drawEllipse(c, kStickRadius, kStickRadius);
  painter.setPen(QPen(QColor(0x1C, 0x1F, 0x25), 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(c, kStickRadius * 0.62, kStickRadius * 0.62);
  if (keyZone) {
    // The four key buttons sit on this stick; a dashed accent ring and ticks show the zone.
    QPen ring(theme::kAccent, 1.3, Qt::DashLine);
    ring.setDashPattern({4, 3});
    painter.setPen(ring);
    painter.drawEllipse(c, 46, 46);
  }
}

void PaintDpad(QPainter& painter, QPointF c) {
  const qreal arm = 14;
  QPainterPath cross;
  cross.addRoundedRect(QRectF(c.x() - arm / 2, c.y() - kDpadReach, arm, kDpadReach * 2), 3, 3);
  cross.addRoundedRect(QRectF(c.x() - kDpadReach, c.y() - arm / 2, kDpadReach * 2, arm), 3, 3);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x14, 0x16, 0x1B));
  painter.drawEllipse(c, kDpadReach + 6, kDpadReach + 6);
  painter.setPen(QPen(QColor(0x55, 0x5D, 0x6D), 1));
  painter.setBrush(QColor(0x33, 0x38, 0x43));
  painter.drawPath(cross.simplified());
  const QColor mark(0x8A, 0x93, 0xA6);
  DrawTriangle(painter, c + QPointF(0, -kDpadReach + 6), 6, Direction::kUp, mark);
  DrawTriangle(painter, c + QPointF(0, kDpadReach - 6), 6, Direction::kDown, mark);
  DrawTriangle(painter, c + QPointF(-kDpadReach + 6, 0), 6, Direction::kLeft, mark);
  DrawTriangle(painter, c + QPointF(kDpadReach - 6, 0), 6, Direction::kRight, mark);
}

void PaintFaceButtons(QPainter& painter, QPointF c) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x14, 0x16, 0x1B));
  painter.drawEllipse(c, kFaceSpacing + kFaceRadius + 5, kFaceSpacing + kFaceRadius + 5);
  const struct {
    QPointF offset;
    const char* letter;
    QColor colour;
  } buttons[] = {{{0, -kFaceSpacing}, "Y", theme::kFaceY},
                 {{kFaceSpacing, 0}, "B", theme::kFaceB},
                 {{0, kFaceSpacing}, "A", theme::kFaceA},
                 {{-kFaceSpacing, 0}, "X", theme::kFaceX}};
  for (const auto& button : buttons) {
    const QPointF p = c + button.offset;
    painter.setPen(QPen(button.colour, 1.4));
    painter.setBrush(QColor(0x2A, 0x2E, 0x37));
    painter.drawEllipse(p, kFaceRadius, kFaceRadius);
    DrawFittedText(
        painter, QRectF(p.x() - kFaceRadius, p.y() - kFaceRadius, 2 * kFaceRadius, 2 * kFaceRadius),
        QString::fromLatin1(button.letter), 12, true, button.colour);
  }
}

void PaintSmallButtons(QPainter& painter, const HandheldModel& m) {
  painter.setPen(QPen(QColor(0x55, 0x5D, 0x6D), 1));
  painter.setBrush(QColor(0x2A, 0x2E, 0x37));
  painter.drawEllipse(m.select, 7, 7);
  painter.drawEllipse(m.start, 7, 7);
  // Select: two small overlapping squares; start: three lines.
  const QColor ink(0xB8, 0xBF, 0xCC);
  painter.setPen(QPen(ink, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(m.select.x() - 3.5, m.select.y() - 3, 4.5, 4));
  painter.drawRect(QRectF(m.select.x() - 1, m.select.y() - 0.5, 4.5, 4));
  for (int i = -1; i <= 1; ++i) {
    painter.drawLine(QPointF(m.start.x() - 3.5, m.start.y() + i * 2.5),
                     QPointF(m.start.x() + 3.5, m.start.y() + i * 2.5));
  }
  QColor homeRing = m.trim;
  homeRing.setAlpha(0xC0);
  painter.setPen(QPen(homeRing, 1.4));
  painter.setBrush(QColor(0x22, 0x25, 0x2D));
  painter.drawEllipse(m.home, 9, 9);
  painter.setBrush(homeRing);
  painter.setPen(Qt::NoPen);
  painter.drawEllipse(m.home, 3, 3);
}

void PaintCallouts(QPainter& painter, const HandheldModel& m) {
  QColor line = theme::kAccent;
  line.setAlpha(0xB0);
  for (const KeySlotPlacement& key : m.keys) {
    QPointF target;
    if (key.target == QLatin1String("stick") || !TargetPoint(m, key.target, target)) continue;
    const bool fromLeft = key.topLeft.x() < m.leftStick.x();
    const QPointF start(key.topLeft.x() + (fromLeft ? 52 : 0), key.topLeft.y() + 14);
    QPainterPath route;
    route.moveTo(start);
    const QPointF elbow(target.x(), start.y());
    const qreal turn = qMin(6.0, qAbs(target.y() - start.y()) / 2);
    if (turn < 1) {
      route.lineTo(target);
    } else {
      const qreal sx = fromLeft ? -1 : 1;
      const qreal sy = target.y() > start.y() ? 1 : -1;
      route.lineTo(elbow + QPointF(sx * turn, 0));
      route.quadTo(elbow, elbow + QPointF(0, sy * turn));
      route.lineTo(target);
    }
    painter.setPen(QPen(line, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(route);
    painter.setPen(Qt::NoPen);
    painter.setBrush(theme::kAccent);
    painter.drawEllipse(start, 2.5, 2.5);
  }
}

}  // namespace

void PaintHandheldFront(QPainter& painter, const HandheldModel& m, bool callouts) {
  PaintShoulders(painter, m);
  PaintShell(painter, m, false);
  PaintScreen(painter, m);
  if (callouts) PaintCallouts(painter, m);
  PaintStick(painter, m, m.leftStick, callouts);
  PaintStick(painter, m, m.rightStick, false);
  PaintDpad(painter, m.dpad);
  PaintFaceButtons(painter, m.face);
  PaintSmallButtons(painter, m);
}

QPointF RearButtonPoint(const HandheldModel& m, bool left) {
  // On the grips, below the sticks where the middle fingers rest.
  const qreal y = m.body.top() + m.body.height() * 0.66;
  const qreal inset = m.body.width() * 0.13;
  return QPointF(left ? m.body.left() + inset : m.body.right() - inset, y);
}

void PaintHandheldRear(QPainter& painter, const HandheldModel& m) {
  PaintShoulders(painter, m);
  PaintShell(painter, m, true);
  const QRectF b = m.body;
  // Vents across the top middle.
  painter.setPen(QPen(QColor(0x12, 0x14, 0x18), 3, Qt::SolidLine, Qt::RoundCap));
  const qreal ventLeft = b.center().x() - b.width() * 0.18;
  for (int i = 0; i < 14; ++i) {
    const qreal x = ventLeft + i * b.width() * 0.36 / 13;
    painter.drawLine(QPointF(x, b.top() + 24), QPointF(x, b.top() + 54));
  }
  // A raised centre panel (battery cover).
  painter.setPen(QPen(QColor(0x3A, 0x3F, 0x4A), 1));
  painter.setBrush(QColor(0x25, 0x28, 0x30));
  const QRectF cover(b.center().x() - b.width() * 0.2, b.top() + 74, b.width() * 0.4,
                     b.height() * 0.42);
  painter.drawRoundedRect(cover, 14, 14);
  if (m.ledRings) {
    // The light bar on the back of the light-equipped model.
    QLinearGradient bar(cover.left(), 0, cover.right(), 0);
    bar.setColorAt(0, QColor(0xFF, 0x30, 0x30));
    bar.setColorAt(0.5, QColor(0x40, 0xE0, 0x60));
    bar.setColorAt(1, QColor(0x90, 0x50, 0xFF));
    painter.setPen(QPen(QBrush(bar), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(cover.left() + 20, cover.bottom() + 14),
                     QPointF(cover.right() - 20, cover.bottom() + 14));
  }
  // Grip texture.
  painter.setPen(QPen(QColor(0x1A, 0x1D, 0x22), 1.2));
  for (bool left : {true, false}) {
    const QPointF p = RearButtonPoint(m, left);
    for (int i = -3; i <= 3; ++i) {
      const qreal x = p.x() + (left ? -1 : 1) * 4 + i * 6;
      painter.drawLine(QPointF(x, p.y() + 30), QPointF(x, p.y() + 58));
    }
  }
  // The two rear buttons, lit.
  for (bool left : {true, false}) {
    const QPointF p = RearButtonPoint(m, left);
    QColor glow = theme::kAccent;
    glow.setAlpha(0x38);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawRoundedRect(QRectF(p.x() - 22, p.y() - 30, 44, 60), 16, 16);
    QLinearGradient paddle(p - QPointF(0, 22), p + QPointF(0, 22));
    paddle.setColorAt(0, theme::kAccent);
    paddle.setColorAt(1, theme::kAccentDeep);
    painter.setPen(QPen(theme::kAccent.lighter(130), 1));
    painter.setBrush(paddle);
    painter.drawRoundedRect(QRectF(p.x() - 13, p.y() - 22, 26, 44), 10, 10);
  }
}

QTransform HandheldFit(const HandheldModel& m, const QRectF& target) {
  const QRectF bounds = m.body.adjusted(-4, -10, 4, 12);
  const qreal scale = qMin(target.width() / bounds.width(), target.height() / bounds.height());
  QTransform fit;
  fit.translate(target.center().x(), target.center().y());
  fit.scale(scale, scale);
  fit.translate(-bounds.center().x(), -bounds.center().y());
  return fit;
}

void FitHandheld(QPainter& painter, const HandheldModel& m, const QRectF& target) {
  painter.setTransform(HandheldFit(m, target), true);
}
