// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <Qt>

#include "keynumbers/key_constants.h"
#include "ui/key_translation.h"

namespace {
// X keycodes seen on Xvfb are evdev codes + 8.
ui::KeyTranslation FromX(unsigned xKeycode) {
  return ui::TranslateEvdevKey(xKeycode - 8);
}
}  // namespace

TEST(KeyTranslation, LeftAndRightKeysDifferOnlyInFlagsOrScanCode) {
  const ui::KeyTranslation leftCtrl = FromX(37), rightCtrl = FromX(105);
  EXPECT_EQ(leftCtrl.vk, vk::kControl);
  EXPECT_EQ(rightCtrl.vk, vk::kControl);
  EXPECT_FALSE(leftCtrl.extended);
  EXPECT_TRUE(rightCtrl.extended);
  EXPECT_EQ(rightCtrl.scanCode, 0x1Du);

  const ui::KeyTranslation leftShift = FromX(50), rightShift = FromX(62);
  EXPECT_EQ(leftShift.vk, vk::kShift);
  EXPECT_EQ(rightShift.vk, vk::kShift);
  EXPECT_EQ(leftShift.scanCode, 0x2Au);
  EXPECT_EQ(rightShift.scanCode, 0x36u);
  EXPECT_FALSE(rightShift.extended);

  EXPECT_EQ(FromX(64).vk, vk::kMenu);
  EXPECT_FALSE(FromX(64).extended);
  EXPECT_EQ(FromX(108).vk, vk::kMenu);
  EXPECT_TRUE(FromX(108).extended);

  EXPECT_EQ(FromX(36).vk, vk::kReturn);
  EXPECT_FALSE(FromX(36).extended);
  EXPECT_EQ(FromX(104).vk, vk::kReturn);
  EXPECT_TRUE(FromX(104).extended);

  EXPECT_EQ(FromX(133).vk, vk::kLWin);
  EXPECT_EQ(FromX(134).vk, vk::kRWin);
  EXPECT_EQ(FromX(76).vk, vk::kF10);
  EXPECT_EQ(FromX(77).vk, vk::kNumLock);
}

TEST(KeyTranslation, CoversTheKeyVocabulary) {
  struct Row {
    unsigned evdev;
    std::uint32_t vk;
  };
  // One key of each run and every punctuation and navigation key the program knows.
  const Row rows[] = {{30, 'A'},   {44, 'Z'},   {2, '1'},    {11, '0'},   {59, 0x70},  {88, 0x7B},
                      {79, 0x61},  {82, 0x60},  {1, 0x1B},   {14, 0x08},  {15, 0x09},  {57, 0x20},
                      {12, 0xBD},  {13, 0xBB},  {26, 0xDB},  {27, 0xDD},  {43, 0xDC},  {39, 0xBA},
                      {40, 0xDE},  {41, 0xC0},  {51, 0xBC},  {52, 0xBE},  {53, 0xBF},  {58, 0x14},
                      {99, 0x2C},  {70, 0x91},  {119, 0x13}, {110, 0x2D}, {102, 0x24}, {104, 0x21},
                      {111, 0x2E}, {107, 0x23}, {109, 0x22}, {106, 0x27}, {105, 0x25}, {108, 0x28},
                      {103, 0x26}, {98, 0x6F},  {55, 0x6A},  {74, 0x6D},  {78, 0x6B},  {83, 0x6E}};
  for (const Row& row : rows) {
    EXPECT_EQ(ui::TranslateEvdevKey(row.evdev).vk, row.vk) << "evdev " << row.evdev;
  }
  EXPECT_EQ(ui::TranslateEvdevKey(0).vk, 0u);
  EXPECT_EQ(ui::TranslateEvdevKey(84).vk, 0u);
  EXPECT_EQ(ui::TranslateEvdevKey(5000).vk, 0u);
}

TEST(KeyTranslation, EventsWithoutNativeCodesFallBackOnQtKeys) {
  const ui::KeyTranslation ctrl = ui::TranslateQtKey(Qt::Key_Control, false);
  EXPECT_EQ(ctrl.vk, vk::kControl);
  EXPECT_EQ(ctrl.scanCode, 0x1Du);
  EXPECT_FALSE(ctrl.extended);
  const ui::KeyTranslation enter = ui::TranslateQtKey(Qt::Key_Enter, true);
  EXPECT_EQ(enter.vk, vk::kReturn);
  EXPECT_TRUE(enter.extended);
  EXPECT_EQ(ui::TranslateQtKey(Qt::Key_5, true).vk, 0x65u);
  EXPECT_EQ(ui::TranslateQtKey(Qt::Key_5, false).vk, static_cast<std::uint32_t>('5'));
  EXPECT_EQ(ui::TranslateQtKey(Qt::Key_Minus, true).vk, vk::kSubtract);
  EXPECT_EQ(ui::TranslateQtKey(Qt::Key_Minus, false).vk, vk::kOemMinus);
  const ui::KeyTranslation f10 = ui::TranslateQtKey(Qt::Key_F10, false);
  EXPECT_EQ(f10.vk, vk::kF10);
  EXPECT_EQ(f10.scanCode, 0x44u);
  EXPECT_EQ(ui::TranslateQtKey(Qt::Key_Home, false).scanCode, 0x47u);
  EXPECT_EQ(ui::TranslateQtKey(Qt::Key_VolumeUp, false).vk, 0u);
}
