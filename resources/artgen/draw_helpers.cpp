// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw_helpers.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "theme.h"

bool ParseDirection(const QString& word, Direction& direction) {
  if (word == QLatin1String("up")) {
    direction = Direction::kUp;
  } else if (word == QLatin1String("down")) {
    direction = Direction::kDown;
  } else if (word == QLatin1String("left")) {
    direction = Direction::kLeft;
  } else if (word == QLatin1String("right")) {
    direction = Direction::kRight;
  } else {
    return false;
  }
  return true;
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                    bool bold, const QColor& colour) {
  qreal size = pixelSize;
  QFont font = theme::Font(size, bold);
  while (size > 6) {
    font = theme::Font(size, bold);
    const QFontMetricsF metrics(font);
    if (metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height() + 4) {
      break;
    }
    size -= 0.5;
  }
  painter.save();
  painter.setFont(font);
  painter.setPen(colour);
  painter.drawText(box, Qt::AlignCenter, text);
  painter.restore();
}

namespace {
// Rotation in degrees that turns an arrow drawn pointing right into `direction`.
qreal Angle(Direction direction) {
  switch (direction) {
    case Direction::kUp:
      return -90;
    case Direction::kDown:
      return 90;
    case Direction::kLeft:
      return 180;
    case Direction::kRight:
      break;
  }
  return 0;
}
}  // namespace

void DrawArrow(QPainter& painter, QPointF centre, qreal length, Direction direction,
               const QColor& colour) {
  painter.save();
  painter.translate(centre);
  painter.rotate(Angle(direction));
  const qreal half = length / 2;
  const qreal head = length * 0.5;
  const qreal stem = length * 0.16;
  QPolygonF shape;
  shape << QPointF(-half, -stem) << QPointF(half - head, -stem) << QPointF(half - head, -head * 0.8)
        << QPointF(half, 0) << QPointF(half - head, head * 0.8) << QPointF(half - head, stem)
        << QPointF(-half, stem);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(shape);
  painter.restore();
}

void DrawTriangle(QPainter& painter, QPointF centre, qreal size, Direction direction,
                  const QColor& colour) {
  painter.save();
  painter.translate(centre);
  painter.rotate(Angle(direction));
  const qreal h = size / 2;
  QPolygonF shape;
  shape << QPointF(-h * 0.8, -h) << QPointF(h, 0) << QPointF(-h * 0.8, h);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(shape);
  painter.restore();
}

void DrawRaisedBox(QPainter& painter, const QRectF& box, qreal radius, const QColor& top,
                   const QColor& bottom, const QColor& edge) {
  QLinearGradient gradient(box.topLeft(), box.bottomLeft());
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  painter.save();
  painter.setPen(QPen(edge, 1));
  painter.setBrush(gradient);
  painter.drawRoundedRect(box, radius, radius);
  painter.restore();
}
