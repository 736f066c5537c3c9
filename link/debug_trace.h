// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

// Where trace lines go, each already formatted and cut. An empty sink stands for the system
// log; tests and the demo collect or print the lines instead.
using TraceSink = std::function<void(const std::wstring&)>;

// printf-style wide text, cut to 511 characters, sent to `sink` (when empty: the system log at
// debug priority). It has no result.
void DebugTrace(const TraceSink& sink, const wchar_t* format, ...);
