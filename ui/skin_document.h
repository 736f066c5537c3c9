// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <vector>

namespace ui {

// A skin file read into memory, element by element, attributes in document order.
struct SkinElement {
  QString tag;
  QList<QPair<QString, QString>> attributes;
  std::vector<SkinElement> children;
  qint64 line = 0;

  QString Attribute(const QString& name) const;
};

// Reads the whole document first, so a malformed file builds nothing at all. False with a
// message ("line L, column C: ...") for malformed XML or a root element other than Window.
bool ParseSkinDocument(const QByteArray& xml, SkinElement& window, QString& error);

}  // namespace ui
