// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin_font.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace ui {
namespace {

// Asks fontconfig's cached description of the family; no font file is opened for it.
bool MadeForChinese(const QString& family) {
  const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
  return systems.contains(QFontDatabase::SimplifiedChinese) ||
         systems.contains(QFontDatabase::TraditionalChinese);
}

}  // namespace

QFont SkinFont(const QString& families, int pixelSize, bool bold, bool chineseAsFallback) {
  QFont font = QApplication::font();
  QStringList wanted;
  for (const QString& family : families.split(',', Qt::SkipEmptyParts)) {
    wanted.append(family.trimmed());
  }
  const QStringList installed = QFontDatabase::families();
  QStringList ordered;
  for (const QString& family : wanted) {
    if (installed.contains(family, Qt::CaseInsensitive)) ordered.append(family);
  }
  if (chineseAsFallback) {
    std::stable_partition(ordered.begin(), ordered.end(),
                          [](const QString& family) { return !MadeForChinese(family); });
  }
  // The first installed family wins; the others stay as fallbacks for missing glyphs.
  for (const QString& family : wanted) {
    if (!ordered.contains(family)) ordered.append(family);
  }
  if (!ordered.isEmpty()) font.setFamilies(ordered);
  if (pixelSize > 0) font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

}  // namespace ui
