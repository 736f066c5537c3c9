#pragma once

#include <functional>
#include <string>

// printf-style wide text, cut to 511 characters, sent to the debug output (on Linux the
// system log at debug priority). It has no result.
void DebugTrace(const wchar_t* format, ...);

// Tests capture the trace lines here; an empty hook restores the system log.
using DebugTraceHook = std::function<void(const std::wstring&)>;
void SetDebugTraceHook(DebugTraceHook hook);
