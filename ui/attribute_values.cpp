// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/attribute_values.h"

#include <QRegularExpression>
#include <QSize>
#include <QStringList>

namespace ui {

std::optional<bool> ParseBool(const QString& value) {
  const QString v = value.trimmed().toLower();
  if (v == "true" || v == "1") return true;
  if (v == "false" || v == "0") return false;
  return std::nullopt;
}

std::optional<int> ParseInt(const QString& value) {
  bool ok = false;
  const int n = value.trimmed().toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return n;
}

std::optional<Quad> ParseQuad(const QString& value) {
  const QStringList parts = value.split(',');
  if (value.trimmed().isEmpty() || parts.size() > 4) return std::nullopt;
  int numbers[4] = {0, 0, 0, 0};
  for (int i = 0; i < parts.size(); ++i) {
    const auto n = ParseInt(parts[i]);
    if (!n) return std::nullopt;
    numbers[i] = *n;
  }
  return Quad{numbers[0], numbers[1], numbers[2], numbers[3]};
}

std::optional<QSize> ParseSize(const QString& value) {
  const auto q = ParseQuad(value);
  if (!q || value.count(',') != 1) return std::nullopt;
  return QSize(q->a, q->b);
}

std::optional<std::uint32_t> ParseColor(const QString& value) {
  QString v = value.trimmed();
  bool hex = false;
  if (v.startsWith('#')) {
    v = v.mid(1);
    hex = true;
  } else if (v.startsWith("0x", Qt::CaseInsensitive)) {
    v = v.mid(2);
    hex = true;
  }
  if (v.isEmpty()) return std::nullopt;
  bool ok = false;
  const qulonglong n = v.toULongLong(&ok, hex ? 16 : 10);
  if (!ok || n > 0xFFFFFFFFull) return std::nullopt;
  if (hex && v.size() == 6) return static_cast<std::uint32_t>(n) | 0xFF000000u;
  if (hex && v.size() != 8) return std::nullopt;
  return static_cast<std::uint32_t>(n);
}

QString FormatColor(std::uint32_t argb) {
  return QLatin1Char('#') + QString::number(argb, 16).rightJustified(8, QLatin1Char('0')).toUpper();
}

std::optional<int> ParseAlign(const QString& value) {
  int horizontal = 0;
  int vertical = 0;
  int extra = 0;
  static const QRegularExpression separators("[\\s,|]+");
  const QStringList words = value.trimmed().toLower().split(separators, Qt::SkipEmptyParts);
  if (words.isEmpty()) return std::nullopt;
  for (const QString& w : words) {
    if (w == "left") {
      horizontal = Qt::AlignLeft;
    } else if (w == "center") {
      horizontal = Qt::AlignHCenter;
    } else if (w == "right") {
      horizontal = Qt::AlignRight;
    } else if (w == "top") {
      vertical = Qt::AlignTop;
    } else if (w == "vcenter") {
      vertical = Qt::AlignVCenter;
    } else if (w == "bottom") {
      vertical = Qt::AlignBottom;
    } else if (w == "wordbreak") {
      extra = Qt::TextWordWrap;
    } else {
      return std::nullopt;
    }
  }
  if (horizontal == 0) horizontal = Qt::AlignLeft;
  if (vertical == 0) vertical = Qt::AlignVCenter;
  return horizontal | vertical | extra;
}

}  // namespace ui
