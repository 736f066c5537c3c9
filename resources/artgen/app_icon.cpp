// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>

#include "theme.h"

namespace {

void DrawIcon(QPainter& painter) {
  // Rounded square tile with a stylised handheld and a key cap on its screen.
  QLinearGradient tile(0, 0, 0, 256);
  tile.setColorAt(0, QColor(0x23, 0x2A, 0x36));
  tile.setColorAt(1, QColor(0x12, 0x15, 0x1B));
  painter.setPen(QPen(QColor(0x3A, 0x44, 0x55), 3));
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(6, 6, 244, 244), 52, 52);

  QPainterPath body;
  body.addRoundedRect(QRectF(22, 84, 212, 96), 44, 44);
  QLinearGradient shell(0, 84, 0, 180);
  shell.setColorAt(0, theme::kAccent);
  shell.setColorAt(1, theme::kAccentDeep);
  painter.setPen(Qt::NoPen);
  painter.setBrush(shell);
  painter.drawPath(body);

  painter.setBrush(theme::kScreen);
  painter.drawRoundedRect(QRectF(84, 96, 88, 72), 8, 8);
  // A key cap on the screen: "map keys".
  painter.setBrush(QColor(0x3A, 0x40, 0x4D));
  painter.drawRoundedRect(QRectF(104, 112, 48, 40), 7, 7);
  painter.setBrush(QColor(0x50, 0x58, 0x68));
  painter.drawRoundedRect(QRectF(108, 114, 40, 31), 6, 6);
  painter.setFont(theme::Font(24, true));
  painter.setPen(Qt::white);
  painter.drawText(QRectF(108, 114, 40, 31), Qt::AlignCenter, QStringLiteral("K"));

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x12, 0x15, 0x1B));
  painter.drawEllipse(QPointF(54, 116), 15, 15);
  painter.drawEllipse(QPointF(202, 148), 15, 15);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(54, 116), 8, 8);
  painter.drawEllipse(QPointF(202, 148), 8, 8);
  // Face buttons.
  painter.setBrush(theme::kFaceY);
  painter.drawEllipse(QPointF(202, 102), 5, 5);
  painter.setBrush(theme::kFaceA);
  painter.drawEllipse(QPointF(202, 126), 5, 5);
  painter.setBrush(theme::kFaceX);
  painter.drawEllipse(QPointF(190, 114), 5, 5);
  painter.setBrush(theme::kFaceB);
  painter.drawEllipse(QPointF(214, 114), 5, 5);
  // D-pad.
  painter.setBrush(QColor(0x12, 0x15, 0x1B));
  painter.drawRect(QRectF(48, 140, 12, 32));
  painter.drawRect(QRectF(38, 150, 32, 12));
}

}  // namespace

void AddAppIcon(PictureSink& sink) {
  sink.Add(QStringLiteral("padcontrols.png"), {256, 256}, DrawIcon);
}

void WriteThemeIcons(const QDir& root, QStringList& failures) {
  constexpr int kDrawnSize = 256;
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QString folder = QStringLiteral("%1x%1/apps").arg(size);
    const QString file = root.filePath(folder + QStringLiteral("/padcontrols.png"));
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
      painter.scale(static_cast<double>(size) / kDrawnSize, static_cast<double>(size) / kDrawnSize);
      DrawIcon(painter);
    }
    if (!root.mkpath(folder) || !image.save(file, "PNG")) failures << file;
  }
}
