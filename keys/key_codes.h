// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstdint>

// Two code spaces meet here: KeyCode is what the controller stores in its key map (USB HID
// keyboard usages, 0xE8/0xE9 for the wheel, 0xFF01..0xFF19 for gamepad inputs); UiKeyCode
// is what the window sees (virtual-key codes, plus our own 0xFFDB..0xFFFE for inputs that
// have no virtual-key code of their own). 0 means "no key" in both.
using KeyCode = std::uint16_t;
using UiKeyCode = std::uint32_t;

struct KeyTranslationRow {
  std::uint32_t uiKeyCode = 0;
  std::uint32_t keyCode = 0;
};

inline constexpr int kKeyTranslationRowCount = 256;
inline constexpr int kFilledKeyTranslationRows = 128;
using TranslationTable = std::array<KeyTranslationRow, kKeyTranslationRowCount>;

// One known key: its two codes and the picture that shows it on a slot button.
struct KnownKey {
  UiKeyCode uiKeyCode;
  KeyCode keyCode;
  const char* picture;
};

// The 128 known keys in table order (see key_translation_rows.cpp).
const std::array<KnownKey, kFilledKeyTranslationRows>& KnownKeys();

// Zero-fills all 256 rows, then fills the first 128 with the known keys in order.
void FillKeyTranslationTable(TranslationTable& table);

// First row whose UiKeyCode matches; 0 when none does.
KeyCode ToKeyCode(const TranslationTable& table, UiKeyCode uiKeyCode);
// First row whose KeyCode matches; 0 when none does (KeyCode 0 meets an empty row first).
UiKeyCode ToUiKeyCode(const TranslationTable& table, KeyCode keyCode);

inline constexpr const char* kNoKeyImage = "NC.png";
inline constexpr const char* kKeyHotImage = "Key_hot.png";
inline constexpr const char* kKeyPushImage = "Key_push.png";

// The picture of a key; "NC.png" for every code without one.
QString KeyImageName(UiKeyCode uiKeyCode);
// True exactly when the whole name is "NC.png" (case-sensitive, no trimming).
bool IsNoKeyImage(const QString& picture);
