// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <streambuf>
#include <string>

// An output stream straight onto a file descriptor that remembers why a write failed, so a
// full disk, a closed pipe or a short write is told apart and said, never taken as success.
// After the first failure nothing more is written and the stream stays failed.
class DescriptorOutput : public std::ostream {
 public:
  explicit DescriptorOutput(int descriptor);
  ~DescriptorOutput() override;
  DescriptorOutput(const DescriptorOutput&) = delete;
  DescriptorOutput& operator=(const DescriptorOutput&) = delete;

  // The errno of the first failed write; 0 while every write went through.
  int Error() const { return buffer_.error; }

 private:
  struct Buffer : std::streambuf {
    explicit Buffer(int fd);
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* text, std::streamsize count) override;
    int sync() override;
    bool Drain();

    int descriptor;
    int error = 0;
    std::string pending;
  };
  Buffer buffer_;
};
