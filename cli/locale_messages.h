// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

// The character set the user's terminal expects for messages and text: the codeset of the
// locale (LC_ALL, LC_CTYPE, LANG), or, when that locale is not installed, the codeset its name
// gives. Empty when text goes out as it is: UTF-8, no locale at all, or a codeset the system
// cannot convert to or that does not keep ASCII as it is (UTF-16, EBCDIC: no terminal's).
std::string MessageCodeset();

// `utf8` in `codeset`; a character the codeset cannot hold becomes '?'. With an empty or
// unknown codeset the text is returned unchanged.
std::string FromUtf8(const std::string& utf8, const std::string& codeset);

// A stream for messages that converts what is written to it from UTF-8 to `codeset` on its
// way to `sink`, a whole character at a time. Flushed after every output, like std::cerr.
class ConvertingStream : public std::ostream {
 public:
  ConvertingStream(std::ostream& sink, std::string codeset);
  ~ConvertingStream() override;
  ConvertingStream(const ConvertingStream&) = delete;
  ConvertingStream& operator=(const ConvertingStream&) = delete;

 private:
  class Buffer : public std::streambuf {
   public:
    Buffer(std::ostream& sink, std::string codeset);

   protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;

   private:
    std::ostream& sink_;
    std::string codeset_;
    std::string pending_;
  };
  Buffer buffer_;
};
