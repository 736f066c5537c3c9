// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

enum class Direction { kUp, kDown, kLeft, kRight };

// "up", "down", "left", "right"; false for anything else.
bool ParseDirection(const QString& word, Direction& direction);

// Writes `text` centred in `box`, starting at `pixelSize` and shrinking until it fits.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, qreal pixelSize,
                    bool bold, const QColor& colour);

// A solid arrow (triangle head on a short stem) of overall length `length` centred on `centre`.
void DrawArrow(QPainter& painter, QPointF centre, qreal length, Direction direction,
               const QColor& colour);

// A plain triangle pointing `direction`, centred on `centre`, `size` across.
void DrawTriangle(QPainter& painter, QPointF centre, qreal size, Direction direction,
                  const QColor& colour);

// A rounded rectangle with a vertical gradient and a hairline edge.
void DrawRaisedBox(QPainter& painter, const QRectF& box, qreal radius, const QColor& top,
                   const QColor& bottom, const QColor& edge);
