// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/picture_file.h"

#include <QRegularExpression>

QString PictureFile(const QString& value) {
  static const QRegularExpression fileForm(QStringLiteral("^file='Resources/([^']*)'$"));
  const QRegularExpressionMatch match = fileForm.match(value.trimmed());
  if (match.hasMatch()) return match.captured(1);
  return value.trimmed();
}
