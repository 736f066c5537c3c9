// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

// Draws one picture in logical pixels and writes it twice: "name.png" at 1x and "name@2x.png"
// at 2x, so the toolkit can pick the sharp one on high-DPI screens.
class PictureSink {
 public:
  using DrawFn = std::function<void(QPainter&)>;

  explicit PictureSink(const QDir& outDir);

  // False (and the name remembered in Failures) when a file cannot be written.
  bool Add(const QString& name, QSize logicalSize, const DrawFn& draw);

  const QStringList& Written() const { return written_; }
  const QStringList& Failures() const { return failures_; }

 private:
  QDir outDir_;
  QStringList written_;
  QStringList failures_;
};

// "Key_A.png" -> "Key_A@2x.png".
QString HighDpiName(const QString& name);
