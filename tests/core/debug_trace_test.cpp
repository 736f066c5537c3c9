// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "link/wide_to_utf8.h"
#include "exchange_rig.h"

TEST(DebugTrace, FormatsWideAndNarrowArguments) {
  TraceCapture trace;
  DebugTrace(trace.Sink(), L"IsChooseKey:%d,KeyCode:%x", 4, 0xFF0Au);
  DebugTrace(trace.Sink(), L"%ls|%s|%05.1f", L"Ω", "abc", 2.25);
  ASSERT_EQ(trace.lines.size(), 2u);
  EXPECT_EQ(trace.lines[0], L"IsChooseKey:4,KeyCode:ff0a");
  EXPECT_EQ(trace.lines[1], L"Ω|abc|002.2");
}

TEST(DebugTrace, LongOutputIsCutTo511Characters) {
  TraceCapture trace;
  const std::wstring exact(511, L'a');
  DebugTrace(trace.Sink(), L"%ls", exact.c_str());
  const std::wstring longer = std::wstring(500, L'b') + L"0123456789ABCDEF";
  DebugTrace(trace.Sink(), L"%ls", longer.c_str());
  ASSERT_EQ(trace.lines.size(), 2u);
  EXPECT_EQ(trace.lines[0], exact);
  EXPECT_EQ(trace.lines[1], longer.substr(0, 511));
}

TEST(DebugTrace, WithoutSinkGoesToSystemLogWithoutCrashing) {
  DebugTrace(TraceSink(), L"core_tests trace %d", 1);
  TraceCapture trace;
  DebugTrace(trace.Sink(), L"after");
  DebugTrace(trace.Sink(), nullptr);
  EXPECT_EQ(trace.lines, std::vector<std::wstring>{L"after"});
}

TEST(WideToUtf8, EncodesAllLengthsAndReplacesInvalid) {
  EXPECT_EQ(WideToUtf8(L"A\u00E9\u4E2D\U0001F600"), "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
  std::wstring bad;
  bad += static_cast<wchar_t>(0xD800);
  bad += static_cast<wchar_t>(0x110000);
  EXPECT_EQ(WideToUtf8(bad), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

// A controller object finds the controller through its context's opener and traces to its
// context's sink; two objects with different contexts do not disturb each other.
TEST(OpenController, UsesTheContextsOpenerAndTrace) {
  auto emulator = std::make_shared<ControllerEmulator>();
  TraceCapture trace;
  DeviceLink emulated;
  emulated.openController = [emulator] { return MakeEmulatorTransport(emulator); };
  emulated.trace = trace.Sink();
  ControllerDevice device(emulated);
  EXPECT_TRUE(device.OpenController());
  EXPECT_NE(device.handle, nullptr);
  device.pause = [](int) {};
  EXPECT_TRUE(device.ReadSettings(device.handle.get()));
  EXPECT_TRUE(device.WriteSettings(device.handle.get()));
  EXPECT_EQ(trace.lines, std::vector<std::wstring>{L"IsChooseKey:4,KeyCode:51"});

  DeviceLink denied;
  denied.openController = [] {
    ControllerSearch search;
    search.deniedNode = "/dev/hidraw7";
    return search;
  };
  denied.trace = trace.Sink();
  ControllerDevice none(denied);
  EXPECT_FALSE(none.OpenController());
  EXPECT_EQ(none.handle, nullptr);
  EXPECT_EQ(none.deniedNode, "/dev/hidraw7");
  EXPECT_EQ(trace.lines.back(), L"OpenController: no permission to open /dev/hidraw7");
  EXPECT_NE(device.handle, nullptr);
}
