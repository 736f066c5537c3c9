// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <map>
#include <optional>
#include <string>

// What Qt's JSON parser does not keep: a key given twice in one object (Qt keeps one of the
// values without a word), and the literal text of the top object's plain values, so that 1
// and 1.0 can be told apart.
struct JsonShape {
  std::optional<std::string> duplicateKey;          // the first key seen twice, decoded
  std::map<std::string, std::string> rootLiterals;  // key -> its value's text as written
};

// `json` must already have been accepted by QJsonDocument::fromJson; other text gives an
// incomplete but harmless result.
JsonShape ScanJsonShape(const QByteArray& json);
