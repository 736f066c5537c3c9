// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin_document.h"

#include <QXmlStreamReader>

namespace ui {

QString SkinElement::Attribute(const QString& name) const {
  for (const auto& [key, value] : attributes) {
    if (key == name) return value;
  }
  return {};
}

bool ParseSkinDocument(const QByteArray& xml, SkinElement& window, QString& error) {
  QXmlStreamReader reader(xml);
  std::vector<SkinElement> stack;
  bool haveRoot = false;
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      SkinElement element;
      element.tag = reader.name().toString();
      element.line = reader.lineNumber();
      for (const QXmlStreamAttribute& a : reader.attributes()) {
        element.attributes.append({a.name().toString(), a.value().toString()});
      }
      if (stack.empty() && element.tag != QLatin1String("Window")) {
        error = QStringLiteral("line %1: the root element is <%2>, expected <Window>")
                    .arg(element.line)
                    .arg(element.tag);
        return false;
      }
      stack.push_back(std::move(element));
    } else if (token == QXmlStreamReader::EndElement) {
      SkinElement done = std::move(stack.back());
      stack.pop_back();
      if (stack.empty()) {
        window = std::move(done);
        haveRoot = true;
      } else {
        stack.back().children.push_back(std::move(done));
      }
    }
  }
  if (reader.hasError()) {
    error = QStringLiteral("line %1, column %2: %3")
                .arg(reader.lineNumber())
                .arg(reader.columnNumber())
                .arg(reader.errorString());
    return false;
  }
  if (!haveRoot) {
    error = QStringLiteral("no <Window> element");
    return false;
  }
  return true;
}

}  // namespace ui
