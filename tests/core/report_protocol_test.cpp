// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "device/report_protocol.h"

TEST(ReportProtocol, RequestHeaderForEveryCommand) {
  const std::uint8_t commands[] = {0x10, 0x11, 0x12, 0x20, 0x21, 0x22, 0x23};
  const std::uint8_t complements[] = {0xEF, 0xEE, 0xED, 0xDF, 0xDE, 0xDD, 0xDC};
  for (int i = 0; i < 7; ++i) {
    const Report r = BuildRequest(commands[i], 3);
    EXPECT_EQ(r[0], 0x01);
    EXPECT_EQ(r[1], 0xA5);
    EXPECT_EQ(r[2], commands[i]);
    EXPECT_EQ(r[3], 0x5A);
    EXPECT_EQ(r[4], complements[i]);
    const bool carriesBlock = commands[i] == 0x11 || commands[i] == 0x21;
    EXPECT_EQ(r[6], carriesBlock ? 3 : 0) << std::hex << int(commands[i]);
    for (int b = 7; b < kReportSize; ++b) EXPECT_EQ(r[static_cast<std::size_t>(b)], 0);
    EXPECT_EQ(r[5], 0);
    EXPECT_TRUE(HasValidRequestHeader(r));
  }
}

TEST(ReportProtocol, WriteBlockCarriesCodesLowByteFirst) {
  const WriteBlockCodes codes = {0x1234, 0x012C, 0, 0xFFFF, 1, 2, 3, 0xAB00};
  const Report r = BuildWriteBlockRequest(5, codes);
  EXPECT_EQ(r[2], 0x21);
  EXPECT_EQ(r[6], 5);
  const std::uint8_t payload[] = {0x34, 0x12, 0x2C, 0x01, 0, 0, 0xFF, 0xFF,
                                  1,    0,    2,    0,    3, 0, 0x00, 0xAB};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(r[static_cast<std::size_t>(8 + i)], payload[i]);
  for (int b = 24; b < kReportSize; ++b) EXPECT_EQ(r[static_cast<std::size_t>(b)], 0);
  EXPECT_EQ(WriteBlockByteSum(r), 0x34u + 0x12 + 0x2C + 1 + 0xFF + 0xFF + 1 + 2 + 3 + 0xAB);
}

TEST(ReportProtocol, MalformedHeadersAreRecognised) {
  Report r = BuildRequest(0x10);
  r[4] = 0xEE;
  EXPECT_FALSE(HasValidRequestHeader(r));
  r = BuildRequest(0x10);
  r[1] = 0xA4;
  EXPECT_FALSE(HasValidRequestHeader(r));
  r = BuildRequest(0x10);
  r[3] = 0x00;
  EXPECT_FALSE(HasValidRequestHeader(r));
}

TEST(ReportProtocol, RepliesDecode) {
  Report reply = PreparedReply();
  EXPECT_EQ(reply[0], 0x01);
  EXPECT_FALSE(ParseStartReply(reply).ready);
  reply[8] = 0xAA;
  reply[9] = 1;
  reply[10] = 0x0C;
  reply[11] = 0;
  reply[12] = 9;
  const StartReply start = ParseStartReply(reply);
  EXPECT_TRUE(start.ready);
  EXPECT_EQ(start.version, (VersionBytes{1, 0x0C, 0, 9}));

  Report block{};
  block[0] = 0x01;
  block[62] = 0x34;
  block[63] = 0x12;
  block[64] = 0xFF;  // beyond the 32 words
  const ReadBlockWords words = DecodeBlockReply(block);
  EXPECT_EQ(words[0], 0x0001);
  EXPECT_EQ(words[31], 0x1234);
  EXPECT_EQ(ReadBlockByteSum(block), 0x01u + 0x34 + 0x12);

  Report sum{};
  sum[24] = 0x2C;
  sum[25] = 0x01;
  EXPECT_EQ(ReplyChecksum(sum), 300);
}

TEST(ReportProtocol, VersionTexts) {
  EXPECT_EQ(VersionPartXText({0x01, 0x07, 0x02, 0x15}), L"X107");
  EXPECT_EQ(VersionPartKText({0x01, 0x07, 0x02, 0x15}), L"K215");
  EXPECT_EQ(VersionPartXText({0x01, 0x0C, 0x00, 0x09}), L"X1C");
  EXPECT_EQ(VersionPartKText({0x01, 0x0C, 0x00, 0x09}), L"K009");
  EXPECT_EQ(VersionPartXText({0xAB, 0x00, 0, 0}), L"XAB00");
  EXPECT_EQ(VersionPartXText({0x00, 0x0A, 0, 0}), L"X0A");
  EXPECT_EQ(VersionPartKText({0, 0, 0xFF, 0x10}), L"KFF10");
}
