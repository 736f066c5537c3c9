// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/report_protocol.h"

namespace {

std::wstring Hex(std::uint8_t value) {
  static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring text;
  if (value >= 0x10) text += kDigits[value >> 4];
  text += kDigits[value & 0x0F];
  return text;
}

// The firmware's convention: a leading zero only for values below ten, so 0x0A..0x0F stay
// one character wide.
std::wstring Padded(std::uint8_t value) {
  return value < 10 ? L"0" + Hex(value) : Hex(value);
}

}  // namespace

std::uint8_t CommandComplement(std::uint8_t cmd) {
  return static_cast<std::uint8_t>(0xFF - cmd);
}

Report BuildRequest(std::uint8_t cmd, std::uint8_t blockIndex) {
  Report request{};
  request[0] = kReportId;
  request[1] = kHeaderLead;
  request[2] = cmd;
  request[3] = kHeaderTrail;
  request[4] = CommandComplement(cmd);
  if (cmd == command::kReadBlock || cmd == command::kWriteBlock) request[6] = blockIndex;
  return request;
}

Report BuildWriteBlockRequest(std::uint8_t blockIndex, const WriteBlockCodes& codes) {
  Report request = BuildRequest(command::kWriteBlock, blockIndex);
  for (int m = 0; m < kWordsPerWriteBlock; ++m) {
    const std::uint16_t code = codes[static_cast<std::size_t>(m)];
    request[static_cast<std::size_t>(kWritePayloadOffset + 2 * m)] =
        static_cast<std::uint8_t>(code & 0xFF);
    request[static_cast<std::size_t>(kWritePayloadOffset + 2 * m + 1)] =
        static_cast<std::uint8_t>(code >> 8);
  }
  return request;
}

bool HasValidRequestHeader(const Report& report) {
  return report[0] == kReportId && report[1] == kHeaderLead && report[3] == kHeaderTrail &&
         report[4] == CommandComplement(report[2]);
}

Report PreparedReply() {
  Report reply{};
  reply[0] = kReportId;
  return reply;
}

StartReply ParseStartReply(const Report& reply) {
  StartReply parsed;
  parsed.ready = reply[kReadyByte] == kReady;
  for (std::size_t i = 0; i < parsed.version.size(); ++i) {
    parsed.version[i] = reply[kVersionOffset + i];
  }
  return parsed;
}

ReadBlockWords DecodeBlockReply(const Report& reply) {
  ReadBlockWords words{};
  for (std::size_t k = 0; k < words.size(); ++k) {
    words[k] = static_cast<std::uint16_t>(reply[2 * k] | (reply[2 * k + 1] << 8));
  }
  return words;
}

std::uint16_t ReplyChecksum(const Report& reply) {
  return static_cast<std::uint16_t>(reply[kChecksumLowByte] | (reply[kChecksumHighByte] << 8));
}

std::uint32_t ReadBlockByteSum(const Report& reply) {
  std::uint32_t sum = 0;
  for (int i = 0; i < kReadBlockBytes; ++i) sum += reply[static_cast<std::size_t>(i)];
  return sum;
}

std::uint32_t WriteBlockByteSum(const Report& request) {
  std::uint32_t sum = 0;
  for (int i = 0; i < kWritePayloadBytes; ++i) {
    sum += request[static_cast<std::size_t>(kWritePayloadOffset + i)];
  }
  return sum;
}

std::wstring VersionPartXText(const VersionBytes& version) {
  return L"X" + Hex(version[0]) + Padded(version[1]);
}

std::wstring VersionPartKText(const VersionBytes& version) {
  return L"K" + Hex(version[2]) + Padded(version[3]);
}
