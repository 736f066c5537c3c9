// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// What the window's controls show in each language: texts, pictures, fonts and the sizes
// that change with them. The language is chosen afresh at each use: Chinese exactly when the
// system's default language is zh-CN. The messages are in texts/phrases.h.

// One language-dependent setting of a control, applied in table order.
struct LanguageSetting {
  enum class Kind { kText, kAttribute, kFont, kVersion };
  const char* control;
  Kind kind;
  const char* attribute;  // for kAttribute
  const char* chinese;    // for kFont: the font index in decimal
  const char* english;
};

const std::array<LanguageSetting, 38>& LanguageSettings();
