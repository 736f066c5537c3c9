// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_sink.h"

#include <QImage>

QString HighDpiName(const QString& name) {
  const qsizetype dot = name.lastIndexOf('.');
  if (dot < 0) return name + "@2x";
  return name.left(dot) + "@2x" + name.mid(dot);
}

PictureSink::PictureSink(const QDir& outDir) : outDir_(outDir) {}

bool PictureSink::Add(const QString& name, QSize logicalSize, const DrawFn& draw) {
  bool ok = true;
  for (int scale : {1, 2}) {
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                             QPainter::SmoothPixmapTransform);
      painter.scale(scale, scale);
      draw(painter);
    }
    const QString file = scale == 1 ? name : HighDpiName(name);
    if (!image.save(outDir_.filePath(file), "PNG")) ok = false;
  }
  if (ok) {
    written_ << name;
  } else {
    failures_ << name;
  }
  return ok;
}
