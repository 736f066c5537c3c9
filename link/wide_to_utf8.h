// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// UTF-8 form of a wide string holding code points (wchar_t is UTF-32 here). Surrogates and
// values beyond U+10FFFF become U+FFFD so the output is always valid UTF-8.
std::string WideToUtf8(const std::wstring& text);
