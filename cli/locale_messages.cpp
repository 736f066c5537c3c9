// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/locale_messages.h"

#include "sysinfo/system_language.h"

#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#include <cstdlib>
#include <strings.h>

#include <utility>

namespace {

bool IsUtf8(const std::string& codeset) {
  return strcasecmp(codeset.c_str(), "UTF-8") == 0 || strcasecmp(codeset.c_str(), "utf8") == 0;
}

// The length of the complete UTF-8 characters at the start of `text`: a character cut at
// the end of a write waits for the rest.
std::size_t CompletePrefix(const std::string& text) {
  std::size_t end = text.size();
  for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
    const auto byte = static_cast<unsigned char>(text[text.size() - back]);
    if ((byte & 0xC0) != 0x80) {  // the lead byte of the last character
      const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
      if (length > back) end = text.size() - back;
      break;
    }
  }
  return end;
}

// Whether the system converts to `codeset` and leaves ASCII text byte for byte as it is, as a
// terminal's character set does.
bool KeepsAscii(const std::string& codeset) {
  const iconv_t converter = iconv_open(codeset.c_str(), "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  std::string probe = "padctl: 0x1F -> {A_z}\n";
  std::string converted(probe.size() * 4 + 16, '\0');
  char* in = probe.data();
  std::size_t inLeft = probe.size();
  char* out = converted.data();
  std::size_t outLeft = converted.size();
  const bool done =
      iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
      iconv(converter, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  converted.resize(converted.size() - outLeft);
  return done && converted == "padctl: 0x1F -> {A_z}\n";
}

}  // namespace

std::string MessageCodeset() {
  const std::string name = LocaleFor("LC_CTYPE");
  std::string codeset;
  if (locale_t locale = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr))) {
    codeset = nl_langinfo_l(CODESET, locale);
    freelocale(locale);
  } else {
    const std::size_t dot = name.find('.');
    if (dot != std::string::npos) codeset = name.substr(dot + 1, name.find('@', dot) - dot - 1);
  }
  // The C locale's ASCII says nothing about the terminal: bytes go out as they are, as ever.
  if (codeset.empty() || IsUtf8(codeset) || codeset == "ANSI_X3.4-1968") return {};
  return KeepsAscii(codeset) ? codeset : std::string();
}

std::string FromUtf8(const std::string& utf8, const std::string& codeset) {
  if (codeset.empty()) return utf8;
  const iconv_t converter = iconv_open(codeset.c_str(), "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) return utf8;
  std::string converted;
  std::string input = utf8;
  char* in = input.data();
  std::size_t inLeft = input.size();
  char chunk[256];
  while (inLeft > 0) {
    char* out = chunk;
    std::size_t outLeft = sizeof chunk;
    const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
    converted.append(chunk, static_cast<std::size_t>(out - chunk));
    if (result != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
    // A character the codeset lacks (EILSEQ) or a cut one (EINVAL): a '?' for it.
    converted += '?';
    std::size_t skip = 1;
    while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
    in += skip;
    inLeft -= skip;
  }
  char* out = chunk;
  std::size_t outLeft = sizeof chunk;
  iconv(converter, nullptr, nullptr, &out, &outLeft);  // a stateful codeset's closing shift
  converted.append(chunk, static_cast<std::size_t>(out - chunk));
  iconv_close(converter);
  return converted;
}

ConvertingStream::Buffer::Buffer(std::ostream& sink, std::string codeset)
    : sink_(sink), codeset_(std::move(codeset)) {}

ConvertingStream::Buffer::int_type ConvertingStream::Buffer::overflow(int_type c) {
  if (!traits_type::eq_int_type(c, traits_type::eof())) pending_ += traits_type::to_char_type(c);
  return traits_type::not_eof(c);
}

std::streamsize ConvertingStream::Buffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  return count;
}

int ConvertingStream::Buffer::sync() {
  const std::size_t complete = CompletePrefix(pending_);
  sink_ << FromUtf8(pending_.substr(0, complete), codeset_) << std::flush;
  pending_.erase(0, complete);
  return sink_ ? 0 : -1;
}

ConvertingStream::ConvertingStream(std::ostream& sink, std::string codeset)
    : std::ostream(nullptr), buffer_(sink, std::move(codeset)) {
  rdbuf(&buffer_);
  setf(std::ios_base::unitbuf);
}

ConvertingStream::~ConvertingStream() {
  buffer_.pubsync();
}
