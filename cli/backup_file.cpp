// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/backup_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include "cli/json_shape.h"
#include "cli/named_settings.h"
#include "cli/slot_checks.h"
#include "settings/setting_table.h"

namespace {

constexpr char kFormatKey[] = "format";
constexpr char kVersionKey[] = "formatVersion";
constexpr char kFirmwareKey[] = "firmware";
constexpr char kBoardKey[] = "boardModel";
constexpr char kSlotsKey[] = "slots";
constexpr char kSettingsKey[] = "settings";
constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";

// A version is written as a plain whole number: 1.0, 1e0 and "1" are not versions.
bool IsWholeNumberLiteral(const std::string& text) {
  const std::size_t digits = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() == digits) return false;
  for (std::size_t i = digits; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return text[digits] != '0' || text.size() == digits + 1;
}

// A JSON number that is a whole 16-bit value; JSON numbers are doubles, so 1.5 and 1e9 are
// caught here rather than cut.
std::optional<std::uint16_t> Word(const QJsonValue& value) {
  if (!value.isDouble()) return std::nullopt;
  const double number = value.toDouble();
  if (number < 0 || number > 0xFFFF || number != static_cast<double>(static_cast<int>(number))) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(number);
}

std::optional<std::string> Text(const QJsonObject& object, const char* key,
                                const std::string& fileName, std::vector<Message>* problems) {
  const QJsonValue value = object.value(QLatin1String(key));
  if (!value.isString()) {
    problems->push_back({MessageId::kBadTextField, {fileName, key}});
    return std::nullopt;
  }
  return value.toString().toStdString();
}

}  // namespace

QByteArray EncodeBackup(const Backup& backup) {
  QJsonArray words;
  for (const std::uint16_t word : backup.words) words.append(static_cast<int>(word));
  ControllerConfig config;
  PutWrittenSlots(config, backup.words);
  QJsonObject root;
  root.insert(QLatin1String(kFormatKey), QLatin1String(kBackupFormat));
  root.insert(QLatin1String(kVersionKey), kBackupFormatVersion);
  root.insert(QLatin1String(kFirmwareKey), QString::fromStdString(backup.firmware));
  root.insert(QLatin1String(kBoardKey), QString::fromStdString(backup.boardModel));
  root.insert(QLatin1String(kSlotsKey), words);
  root.insert(QLatin1String(kSettingsKey), NamedView(config));
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

std::optional<Backup> DecodeBackup(const QByteArray& file, const std::string& fileName,
                                   std::vector<Message>* problems) {
  // Some editors save UTF-8 with a byte-order mark; every check below must see the text after
  // it, or the duplicate-key and version checks would look at nothing.
  const QByteArray bytes = file.startsWith(kUtf8ByteOrderMark)
                               ? file.mid(static_cast<qsizetype>(sizeof kUtf8ByteOrderMark - 1))
                               : file;
  QJsonParseError parseError{};
  const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
  if (parseError.error != QJsonParseError::NoError) {
    problems->push_back({MessageId::kNotJson, {fileName, parseError.errorString().toStdString()}});
    return std::nullopt;
  }
  // The parser lets a second mark pass too; only white space may come before the '{'.
  qsizetype first = 0;
  while (first < bytes.size() && QByteArrayView(" \t\r\n").contains(bytes[first])) ++first;
  if (document.isObject() && (first >= bytes.size() || bytes[first] != '{')) {
    problems->push_back(
        {MessageId::kNotJson, {fileName, "something other than white space before its first '{'"}});
    return std::nullopt;
  }
  const QJsonObject root = document.object();
  if (!document.isObject() || root.value(QLatin1String(kFormatKey)).toString() != kBackupFormat) {
    problems->push_back({MessageId::kNotBackup, {fileName}});
    return std::nullopt;
  }
  // Qt keeps one of two values given for a key without a word, so which one a restore
  // would write is nobody's choice: refuse the file instead.
  const JsonShape shape = ScanJsonShape(bytes);
  if (shape.duplicateKey) {
    problems->push_back({MessageId::kDuplicateKey, {fileName, *shape.duplicateKey}});
    return std::nullopt;
  }
  const auto version = shape.rootLiterals.find(kVersionKey);
  if (version == shape.rootLiterals.end() || !IsWholeNumberLiteral(version->second)) {
    problems->push_back({MessageId::kNotAVersion, {fileName}});
    return std::nullopt;
  }
  if (version->second != std::to_string(kBackupFormatVersion)) {
    problems->push_back({MessageId::kWrongFormatVersion,
                         {fileName, version->second, std::to_string(kBackupFormatVersion)}});
    return std::nullopt;
  }

  Backup backup;
  const auto firmware = Text(root, kFirmwareKey, fileName, problems);
  const auto board = Text(root, kBoardKey, fileName, problems);
  const QJsonArray words = root.value(QLatin1String(kSlotsKey)).toArray();
  bool wordsComplete = words.size() == slots::kWritten;
  for (int slot = 0; wordsComplete && slot < slots::kWritten; ++slot) {
    const auto word = Word(words.at(slot));
    if (!word) wordsComplete = false;
    if (word) backup.words[static_cast<std::size_t>(slot)] = *word;
  }
  if (!wordsComplete) {
    problems->push_back({MessageId::kBadSlotList, {fileName, std::to_string(slots::kWritten)}});
  }
  if (!firmware || !board || !wordsComplete) return std::nullopt;
  backup.firmware = *firmware;
  backup.boardModel = *board;

  const std::vector<Message> slotProblems = CheckSlots(backup.words);
  problems->insert(problems->end(), slotProblems.begin(), slotProblems.end());

  // A person may have edited the readable view and expected that to be restored; say so
  // instead of silently writing the words.
  const QJsonValue settings = root.value(QLatin1String(kSettingsKey));
  if (!settings.isUndefined() && !settings.isObject()) {
    problems->push_back({MessageId::kSettingsNotObject, {fileName}});
  } else if (settings.isObject()) {
    ControllerConfig config;
    PutWrittenSlots(config, backup.words);
    const QJsonObject view = settings.toObject();
    for (const auto& setting : settings::Settings()) {
      const QJsonValue given = view.value(QLatin1String(setting.name));
      if (!given.isUndefined() && given != SettingJson(config, setting)) {
        problems->push_back({MessageId::kViewDisagrees, {fileName, setting.name}});
      }
    }
    for (const QString& name : view.keys()) {
      if (settings::FindSetting(name.toStdString()) == nullptr) {
        problems->push_back({MessageId::kUnknownSetting, {name.toStdString()}});
      }
    }
  }
  if (!problems->empty()) return std::nullopt;
  return backup;
}
