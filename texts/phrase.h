// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A text in both languages. Text() is the one rule that picks the wording for the language in
// use; the window and padctl both show phrases through it.
struct Phrase {
  const char* chinese;
  const char* english;

  constexpr const char* Text(bool useChinese) const { return useChinese ? chinese : english; }
  QString In(bool useChinese) const { return QString::fromUtf8(Text(useChinese)); }
};
