// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_table.h"

#include <QFile>
#include <QStringList>

bool ParseKeyTable(const QString& text, std::vector<KeyPictureSpec>& rows, QString& error) {
  const QStringList lines = text.split('\n');
  for (int i = 0; i < lines.size(); ++i) {
    const QString line = lines[i].trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    // The label may itself be "|"-free punctuation such as "\" or "'", so split into at most
    // three fields and keep everything after the second bar as the label.
    const qsizetype first = line.indexOf('|');
    const qsizetype second = first < 0 ? -1 : line.indexOf('|', first + 1);
    if (second < 0) {
      error = QStringLiteral("line %1: expected \"file | style | label\"").arg(i + 1);
      return false;
    }
    KeyPictureSpec spec{line.left(first).trimmed(),
                        line.mid(first + 1, second - first - 1).trimmed(),
                        line.mid(second + 1).trimmed()};
    if (spec.file.isEmpty() || spec.style.isEmpty() || spec.label.isEmpty() ||
        !spec.file.endsWith(QStringLiteral(".png"))) {
      error = QStringLiteral("line %1: empty field or file not ending in .png").arg(i + 1);
      return false;
    }
    rows.push_back(spec);
  }
  return true;
}

bool ReadKeyTable(const QString& path, std::vector<KeyPictureSpec>& rows, QString& error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    error = QStringLiteral("cannot read %1").arg(path);
    return false;
  }
  return ParseKeyTable(QString::fromUtf8(file.readAll()), rows, error);
}
