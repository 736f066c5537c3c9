// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/descriptor_output.h"

#include <unistd.h>

#include <cerrno>

namespace {
// Data is gathered up to this much before it is written.
constexpr std::size_t kChunk = 4096;
}  // namespace

DescriptorOutput::Buffer::Buffer(int fd) : descriptor(fd) {}

bool DescriptorOutput::Buffer::Drain() {
  std::size_t done = 0;
  while (error == 0 && done < pending.size()) {
    const ssize_t written = ::write(descriptor, pending.data() + done, pending.size() - done);
    if (written > 0) {
      done += static_cast<std::size_t>(written);
    } else if (written == 0) {
      error = ENOSPC;  // a write that takes nothing and says nothing: the place is full
    } else if (errno != EINTR) {
      error = errno;
    }
  }
  pending.clear();
  return error == 0;
}

DescriptorOutput::Buffer::int_type DescriptorOutput::Buffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  if (error != 0) return traits_type::eof();
  pending += traits_type::to_char_type(c);
  if (pending.size() >= kChunk && !Drain()) return traits_type::eof();
  return c;
}

std::streamsize DescriptorOutput::Buffer::xsputn(const char* text, std::streamsize count) {
  if (error != 0) return 0;
  pending.append(text, static_cast<std::size_t>(count));
  if (pending.size() >= kChunk && !Drain()) return 0;
  return count;
}

int DescriptorOutput::Buffer::sync() {
  return Drain() ? 0 : -1;
}

DescriptorOutput::DescriptorOutput(int descriptor) : std::ostream(nullptr), buffer_(descriptor) {
  rdbuf(&buffer_);
}

DescriptorOutput::~DescriptorOutput() {
  buffer_.pubsync();
}
