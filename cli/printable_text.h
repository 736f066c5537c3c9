// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// `text` with its control characters (C0, DEL and C1) written as \xNN or \u00NN, so a value
// that came from a file or the firmware cannot move the cursor, clear the terminal or forge
// another line of output. Other UTF-8 passes through unchanged.
std::string EscapeControls(const std::string& text);
