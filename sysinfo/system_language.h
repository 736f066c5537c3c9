// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

inline constexpr std::uint16_t kLangChinesePrc = 0x0804;
inline constexpr std::uint16_t kLangChineseTaiwan = 0x0404;
inline constexpr std::uint16_t kLangEnglishUs = 0x0409;

// The system's default language identifier, read afresh from the locale on every call:
// 0x0804 for zh_CN, 0x0404 for other Chinese locales, 0x0409 otherwise.
std::uint16_t SystemDefaultLangId();

// The locale that governs one category, by POSIX precedence: LC_ALL, then the category's own
// variable (e.g. "LC_MESSAGES", "LC_CTYPE"), then LANG; empty when none is set.
std::string LocaleFor(const char* categoryVariable);
