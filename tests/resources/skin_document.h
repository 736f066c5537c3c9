// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A skin file read as a plain element tree, so the tests can check names, attributes and
// pictures without the toolkit.
struct SkinElement {
  QString tag;
  QMap<QString, QString> attributes;
  SkinElement* parent = nullptr;
  std::vector<std::unique_ptr<SkinElement>> children;

  QString Attr(const QString& name) const { return attributes.value(name); }
  QString Name() const { return Attr(QStringLiteral("name")); }
};

struct SkinDocument {
  std::unique_ptr<SkinElement> root;
  QString error;

  bool Load(const QString& path);
  // Every element in document order.
  std::vector<const SkinElement*> All() const;
  std::vector<const SkinElement*> Named(const QString& name) const;
  const SkinElement* Find(const QString& name) const;
};

// Rectangle of a control placed by "pos" (with "width"/"height" when right/bottom do not
// exceed left/top), in its parent's coordinates.
QRect PosRect(const SkinElement& element);

// Non-comment, non-blank lines of a data file next to the tests.
QStringList ReadDataLines(const QString& path);
