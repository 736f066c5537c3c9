// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_codes.h"

namespace {
// Window codes that have a picture but no controller code: the side-less modifiers the
// window may report, the right Windows key, and a virtual key some layouts send for "=".
struct ExtraPicture {
  UiKeyCode uiKeyCode;
  const char* picture;
};
constexpr ExtraPicture kExtraPictures[] = {
    {0x10, "Shift.png"},
    {0x11, "Ctrl.png"},
    {0x5C, "WIN.png"},
    {0xE5, "equal.png"},
};
}  // namespace

void FillKeyTranslationTable(TranslationTable& table) {
  table.fill(KeyTranslationRow{});
  const auto& keys = KnownKeys();
  for (std::size_t row = 0; row < static_cast<std::size_t>(kFilledKeyTranslationRows); ++row) {
    table[row] = KeyTranslationRow{keys[row].uiKeyCode, keys[row].keyCode};
  }
}

KeyCode ToKeyCode(const TranslationTable& table, UiKeyCode uiKeyCode) {
  for (const auto& row : table) {
    if (row.uiKeyCode == uiKeyCode) return static_cast<KeyCode>(row.keyCode);
  }
  return 0;
}

UiKeyCode ToUiKeyCode(const TranslationTable& table, KeyCode keyCode) {
  for (const auto& row : table) {
    if (row.keyCode == static_cast<std::uint32_t>(keyCode)) return row.uiKeyCode;
  }
  return 0;
}

QString KeyImageName(UiKeyCode uiKeyCode) {
  // 0 is "no key" even though empty table rows carry it.
  if (uiKeyCode != 0) {
    for (const auto& key : KnownKeys()) {
      if (key.uiKeyCode == uiKeyCode) return QString::fromLatin1(key.picture);
    }
    for (const auto& extra : kExtraPictures) {
      if (extra.uiKeyCode == uiKeyCode) return QString::fromLatin1(extra.picture);
    }
  }
  return QString::fromLatin1(kNoKeyImage);
}

bool IsNoKeyImage(const QString& picture) {
  return picture == QLatin1String(kNoKeyImage);
}
