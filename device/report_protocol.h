// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "link/report_transport.h"

// Encoding and decoding of the controller's settings reports. Pure functions over byte
// arrays; the exchanges that sequence them live in settings_exchange.cpp.

namespace command {
inline constexpr std::uint8_t kReadStart = 0x10;
inline constexpr std::uint8_t kReadBlock = 0x11;
inline constexpr std::uint8_t kReadChecksum = 0x12;
inline constexpr std::uint8_t kWriteStart = 0x20;
inline constexpr std::uint8_t kWriteBlock = 0x21;
inline constexpr std::uint8_t kWriteChecksum = 0x22;
inline constexpr std::uint8_t kWriteEnd = 0x23;
}  // namespace command

inline constexpr std::uint8_t kReportId = 0x01;
inline constexpr std::uint8_t kHeaderLead = 0xA5;
inline constexpr std::uint8_t kHeaderTrail = 0x5A;
inline constexpr std::uint8_t kReady = 0xAA;

inline constexpr int kReadBlocks = 4;
inline constexpr int kWordsPerReadBlock = 32;
inline constexpr int kReadBlockBytes = 64;  // bytes 0..63 of a block reply
inline constexpr int kWriteBlocks = 8;
inline constexpr int kWordsPerWriteBlock = 8;
inline constexpr int kWritePayloadOffset = 8;  // bytes 8..23 of a block request
inline constexpr int kWritePayloadBytes = 16;
inline constexpr int kReadyByte = 8;
inline constexpr int kVersionOffset = 9;
inline constexpr int kChecksumLowByte = 24;
inline constexpr int kChecksumHighByte = 25;

using WriteBlockCodes = std::array<std::uint16_t, kWordsPerWriteBlock>;
using ReadBlockWords = std::array<std::uint16_t, kWordsPerReadBlock>;
using VersionBytes = std::array<std::uint8_t, 4>;

// The command's one's complement, which the controller checks in byte 4.
std::uint8_t CommandComplement(std::uint8_t cmd);

// A request: report ID, header, command, complement and block index; all else zero.
Report BuildRequest(std::uint8_t cmd, std::uint8_t blockIndex = 0);
// A 0x21 request carrying eight slot codes, each low byte first, in bytes 8..23.
Report BuildWriteBlockRequest(std::uint8_t blockIndex, const WriteBlockCodes& codes);

// True when bytes 0..4 form a well-formed request header for its command.
bool HasValidRequestHeader(const Report& report);

// A reply buffer as handed to the platform before a fetch: zeroed, report ID in byte 0.
Report PreparedReply();

struct StartReply {
  bool ready = false;
  VersionBytes version{};
};
StartReply ParseStartReply(const Report& reply);

// Words 0..31 of a block reply; word k is byte 2k (low) and byte 2k+1 (high).
ReadBlockWords DecodeBlockReply(const Report& reply);

// The controller's checksum in bytes 24 (low) and 25 (high) of a 0x12 or 0x22 reply.
std::uint16_t ReplyChecksum(const Report& reply);
// The part of the read checksum one block reply contributes: bytes 0..63.
std::uint32_t ReadBlockByteSum(const Report& reply);
// The part of the write checksum one block request contributes: its 16 payload bytes.
std::uint32_t WriteBlockByteSum(const Report& request);

// Firmware version texts: "X" + Hex(b0) + Pad(Hex(b1)) and "K" + Hex(b2) + Pad(Hex(b3)).
std::wstring VersionPartXText(const VersionBytes& version);
std::wstring VersionPartKText(const VersionBytes& version);
