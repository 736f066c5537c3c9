// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin_document.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <functional>

bool SkinDocument::Load(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = QStringLiteral("cannot open ") + path;
    return false;
  }
  QXmlStreamReader xml(&file);
  SkinElement* current = nullptr;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      auto element = std::make_unique<SkinElement>();
      element->tag = xml.name().toString();
      for (const QXmlStreamAttribute& a : xml.attributes()) {
        element->attributes.insert(a.name().toString(), a.value().toString());
      }
      SkinElement* raw = element.get();
      if (current) {
        element->parent = current;
        current->children.push_back(std::move(element));
      } else if (!root) {
        root = std::move(element);
      }
      current = raw;
    } else if (xml.isEndElement() && current) {
      current = current->parent;
    }
  }
  if (xml.hasError()) {
    error = xml.errorString();
    return false;
  }
  return root != nullptr;
}

std::vector<const SkinElement*> SkinDocument::All() const {
  std::vector<const SkinElement*> out;
  std::function<void(const SkinElement&)> walk = [&](const SkinElement& e) {
    out.push_back(&e);
    for (const auto& child : e.children) walk(*child);
  };
  if (root) walk(*root);
  return out;
}

std::vector<const SkinElement*> SkinDocument::Named(const QString& name) const {
  std::vector<const SkinElement*> out;
  for (const SkinElement* e : All()) {
    // A font's "name" is its family list, not a control name.
    if (e->tag != QLatin1String("Font") && e->Name() == name) out.push_back(e);
  }
  return out;
}

const SkinElement* SkinDocument::Find(const QString& name) const {
  const auto found = Named(name);
  return found.empty() ? nullptr : found.front();
}

QRect PosRect(const SkinElement& element) {
  const QStringList parts = element.Attr(QStringLiteral("pos")).split(',');
  if (parts.size() != 4) return {};
  int v[4];
  for (int i = 0; i < 4; ++i) v[i] = parts[i].trimmed().toInt();
  const int width = v[2] > v[0] ? v[2] - v[0] : element.Attr(QStringLiteral("width")).toInt();
  const int height = v[3] > v[1] ? v[3] - v[1] : element.Attr(QStringLiteral("height")).toInt();
  return QRect(v[0], v[1], width, height);
}

QStringList ReadDataLines(const QString& path) {
  QFile file(path);
  QStringList lines;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return lines;
  for (const QString& raw : QString::fromUtf8(file.readAll()).split('\n')) {
    const QString line = raw.trimmed();
    if (!line.isEmpty() && !line.startsWith('#')) lines << line;
  }
  return lines;
}
