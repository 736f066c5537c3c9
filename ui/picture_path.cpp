// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_path.h"

#include <QDir>
#include <QRegularExpression>

namespace ui {
namespace {

QString JoinPath(const QString& folder, const QString& file) {
  if (QDir::isAbsolutePath(file) || folder.isEmpty()) return QDir::cleanPath(file);
  return QDir::cleanPath(folder + QLatin1Char('/') + file);
}

}  // namespace

QString ResolvePicturePath(const QString& value, const QString& instancePath,
                           const QString& resourcePath) {
  const QString v = value.trimmed();
  if (v.isEmpty()) return {};
  static const QRegularExpression fileKey(R"(^file\s*=\s*(['"])(.*?)\1)");
  const QRegularExpressionMatch match = fileKey.match(v);
  if (match.hasMatch()) {
    const QString file = match.captured(2).trimmed();
    if (file.isEmpty()) return {};
    return JoinPath(instancePath, file);
  }
  return JoinPath(resourcePath, v);
}

}  // namespace ui
