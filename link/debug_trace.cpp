// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/debug_trace.h"

#include <syslog.h>

#include <cstdarg>
#include <cwchar>

#include "link/wide_to_utf8.h"

namespace {
constexpr std::size_t kTraceBufferUnits = 512;  // 511 characters and the terminator
}  // namespace

void DebugTrace(const TraceSink& sink, const wchar_t* format, ...) {
  if (format == nullptr) return;
  wchar_t buffer[kTraceBufferUnits] = {};
  va_list args;
  va_start(args, format);
  // On overflow glibc writes the first 511 characters and returns -1 without terminating;
  // the zeroed buffer and the explicit terminator below make that prefix the trace line.
  std::vswprintf(buffer, kTraceBufferUnits, format, args);
  va_end(args);
  buffer[kTraceBufferUnits - 1] = L'\0';
  const std::wstring line(buffer);

  if (sink) {
    sink(line);
    return;
  }
  syslog(LOG_DEBUG, "%s", WideToUtf8(line).c_str());
}
