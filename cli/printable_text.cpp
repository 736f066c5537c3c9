// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/printable_text.h"

#include <cstdio>

std::string EscapeControls(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1])
                                          : static_cast<unsigned char>(0);
    char escaped[8];
    if (byte < 0x20 || byte == 0x7F) {
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
      // U+0080 to U+009F, which some terminals obey as controls.
      std::snprintf(escaped, sizeof escaped, "\\u%04X", next);
      shown += escaped;
      ++i;
    } else {
      shown += text[i];
    }
  }
  return shown;
}
