// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_shape.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <set>
#include <vector>

namespace {

struct Level {
  bool object = false;
  bool expectingKey = false;
  std::set<QString> keys;
};

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The end of the string token that starts at `begin` (its opening quote), one past the
// closing quote.
qsizetype StringEnd(const QByteArray& json, qsizetype begin) {
  qsizetype at = begin + 1;
  while (at < json.size() && json[at] != '"') at += json[at] == '\\' ? 2 : 1;
  return at + 1;
}

// A key as the parser sees it, so "a" and "\u0061" are the same key.
QString Decoded(const QByteArray& token) {
  return QJsonDocument::fromJson("[" + token + "]").array().at(0).toString();
}

}  // namespace

JsonShape ScanJsonShape(const QByteArray& json) {
  JsonShape shape;
  std::vector<Level> levels;
  std::string rootKey;  // the top object's key whose value comes next
  qsizetype at = 0;
  while (at < json.size() && !shape.duplicateKey) {
    const char c = json[at];
    if (IsSpace(c) || c == ':') {
      ++at;
    } else if (c == '{' || c == '[') {
      levels.push_back({c == '{', c == '{', {}});
      ++at;
    } else if (c == '}' || c == ']') {
      if (!levels.empty()) levels.pop_back();
      ++at;
    } else if (c == ',') {
      if (!levels.empty() && levels.back().object) levels.back().expectingKey = true;
      ++at;
    } else {
      const qsizetype end = c == '"' ? StringEnd(json, at) : [&] {
        qsizetype stop = at;
        // Any structural character ends a bare token, so stray bytes never swallow a '{'.
        while (stop < json.size() && !IsSpace(json[stop]) &&
               QByteArrayView(",:{}[]\"").indexOf(json[stop]) < 0) {
          ++stop;
        }
        return stop;
      }();
      const QByteArray token = json.mid(at, end - at);
      if (!levels.empty() && levels.back().expectingKey) {
        Level& level = levels.back();
        const QString key = Decoded(token);
        if (!level.keys.insert(key).second) shape.duplicateKey = key.toStdString();
        level.expectingKey = false;
        if (levels.size() == 1) rootKey = key.toStdString();
      } else if (levels.size() == 1 && levels.front().object) {
        shape.rootLiterals[rootKey] = token.toStdString();
      }
      at = end;
    }
  }
  return shape;
}
