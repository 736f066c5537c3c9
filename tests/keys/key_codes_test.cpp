// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "keys/key_codes.h"
#include "keys/key_slots.h"

namespace {

class KeyTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.fill(KeyTranslationRow{0xDEAD, 0xBEEF});  // filling must clear every row
    FillKeyTranslationTable(table);
  }
  TranslationTable table;
};

TEST_F(KeyTableTest, FillsExactly128RowsAndClearsTheRest) {
  for (std::size_t row = 0; row < kFilledKeyTranslationRows; ++row) {
    EXPECT_NE(table[row].uiKeyCode, 0u) << "row " << row;
    EXPECT_NE(table[row].keyCode, 0u) << "row " << row;
  }
  for (std::size_t row = kFilledKeyTranslationRows; row < kKeyTranslationRowCount; ++row) {
    EXPECT_EQ(table[row].uiKeyCode, 0u) << "row " << row;
    EXPECT_EQ(table[row].keyCode, 0u) << "row " << row;
  }
}

TEST_F(KeyTableTest, NoCodeRepeatsInEitherColumn) {
  std::set<std::uint32_t> ui, device;
  for (std::size_t row = 0; row < kFilledKeyTranslationRows; ++row) {
    EXPECT_TRUE(ui.insert(table[row].uiKeyCode).second) << std::hex << table[row].uiKeyCode;
    EXPECT_TRUE(device.insert(table[row].keyCode).second) << std::hex << table[row].keyCode;
  }
}

TEST_F(KeyTableTest, RowOrderLandmarks) {
  // Spot checks at the boundaries of each run of the table.
  const std::pair<std::size_t, KeyTranslationRow> expected[] = {
      {0, {0x41, 0x04}},       {25, {0x5A, 0x1D}},      {26, {0x24, 0x4A}},
      {31, {0x27, 0x4F}},      {32, {0x70, 0x3A}},      {43, {0x7B, 0x45}},
      {44, {0x61, 0x59}},      {53, {0x60, 0x62}},      {54, {0x6F, 0x54}},
      {58, {0x6E, 0x63}},      {59, {0x21, 0x4B}},      {62, {0x2E, 0x4C}},
      {63, {0xBC, 0x36}},      {73, {0xBB, 0x2E}},      {74, {0x08, 0x2A}},
      {75, {0x31, 0x1E}},      {84, {0x30, 0x27}},      {85, {0x09, 0x2B}},
      {86, {0x14, 0x39}},      {87, {0xFFFD, 0xE8}},    {88, {0xFFFE, 0xE9}},
      {89, {0x1B, 0x29}},      {90, {0xFFFC, 0xE2}},    {95, {0xFFF7, 0xE5}},
      {96, {0x5B, 0xE3}},      {97, {0xFFF6, 0xFF01}},  {102, {0xFFF1, 0xFF06}},
      {103, {0xFFEF, 0xFF07}}, {121, {0xFFDD, 0xFF19}}, {122, {0xFFDC, 0x28}},
      {123, {0xFFDB, 0x58}},   {124, {0x20, 0x2C}},     {125, {0x2C, 0x46}},
      {126, {0x91, 0x47}},     {127, {0x13, 0x48}},
  };
  for (const auto& [row, pair] : expected) {
    EXPECT_EQ(table[row].uiKeyCode, pair.uiKeyCode) << "row " << row;
    EXPECT_EQ(table[row].keyCode, pair.keyCode) << "row " << row;
  }
}

TEST_F(KeyTableTest, GamepadBlocksRunInOppositeDirections) {
  // Window codes count down while controller codes count up; 0xFFF0 is skipped.
  for (std::uint32_t i = 0; i < 6; ++i) {
    EXPECT_EQ(ToKeyCode(table, 0xFFF6 - i), 0xFF01 + i);
  }
  for (std::uint32_t i = 0; i < 19; ++i) {
    EXPECT_EQ(ToKeyCode(table, 0xFFEF - i), 0xFF07 + i);
  }
  EXPECT_EQ(ToKeyCode(table, 0xFFF0), 0);
}

TEST_F(KeyTableTest, ConversionEdgeCases) {
  EXPECT_EQ(ToKeyCode(table, 0x41), 0x04);
  EXPECT_EQ(ToKeyCode(table, 0xFFDB), 0x58);  // numpad Enter
  EXPECT_EQ(ToKeyCode(table, 0xFFDC), 0x28);  // main Enter
  // Side-less modifiers, the right Windows key and VK 0xE5 have pictures but no code.
  for (UiKeyCode code : {0x11u, 0x10u, 0x5Cu, 0xE5u}) {
    EXPECT_EQ(ToKeyCode(table, code), 0) << std::hex << code;
    EXPECT_NE(KeyImageName(code), "NC.png") << std::hex << code;
  }
  EXPECT_EQ(ToUiKeyCode(table, 0xFF11), 0xFFE5u);
  EXPECT_EQ(ToUiKeyCode(table, 0x62), 0x60u);
  // Codes with no row, the controller's own 0xEA..0xED and "no key" all come back as 0.
  for (KeyCode code :
       {KeyCode{0x53}, KeyCode{0xEA}, KeyCode{0xEB}, KeyCode{0xEC}, KeyCode{0xED}, KeyCode{0}}) {
    EXPECT_EQ(ToUiKeyCode(table, code), 0u) << std::hex << code;
    EXPECT_EQ(KeyImageName(ToUiKeyCode(table, code)), "NC.png");
  }
}

TEST_F(KeyTableTest, EveryKeyRoundTrips) {
  for (const KnownKey& key : KnownKeys()) {
    EXPECT_EQ(ToUiKeyCode(table, ToKeyCode(table, key.uiKeyCode)), key.uiKeyCode);
  }
}

// The controller stores keys as usage IDs of the USB HID keyboard page; these are the
// standard's numbers for each key, by its virtual-key code.
TEST_F(KeyTableTest, LettersDigitsFKeysAndPunctuationCarryTheirHidUsages) {
  for (int i = 0; i < 26; ++i) {  // A = 0x04 ... Z = 0x1D
    EXPECT_EQ(ToKeyCode(table, static_cast<UiKeyCode>('A' + i)), 0x04 + i) << char('A' + i);
  }
  for (int i = 0; i < 9; ++i) {  // 1 = 0x1E ... 9 = 0x26, then 0 = 0x27
    EXPECT_EQ(ToKeyCode(table, static_cast<UiKeyCode>('1' + i)), 0x1E + i) << char('1' + i);
  }
  EXPECT_EQ(ToKeyCode(table, '0'), 0x27);
  for (int i = 0; i < 12; ++i) {  // F1 = 0x3A ... F12 = 0x45; virtual keys 0x70 ... 0x7B
    EXPECT_EQ(ToKeyCode(table, static_cast<UiKeyCode>(0x70 + i)), 0x3A + i) << "F" << i + 1;
  }
  struct Punctuation {
    const char* name;
    UiKeyCode virtualKey;
    KeyCode usage;
  };
  const Punctuation punctuation[] = {
      {"-", 0xBD, 0x2D},  {"=", 0xBB, 0x2E}, {"[", 0xDB, 0x2F}, {"]", 0xDD, 0x30},
      {"\\", 0xDC, 0x31}, {";", 0xBA, 0x33}, {"'", 0xDE, 0x34}, {"`", 0xC0, 0x35},
      {",", 0xBC, 0x36},  {".", 0xBE, 0x37}, {"/", 0xBF, 0x38},
  };
  for (const Punctuation& key : punctuation) {
    EXPECT_EQ(ToKeyCode(table, key.virtualKey), key.usage) << key.name;
  }
}

TEST(KeyImageNameTest, PicturesOfKeys) {
  EXPECT_EQ(KeyImageName(0x41), "Key_A.png");
  EXPECT_EQ(KeyImageName(0x5A), "Key_Z.png");
  EXPECT_EQ(KeyImageName(0x7B), "F12.png");
  EXPECT_EQ(KeyImageName(0x30), "0.png");
  EXPECT_EQ(KeyImageName(0x60), "0.png");  // numpad digits share the main-row pictures
  EXPECT_EQ(KeyImageName(0x69), "9.png");
  EXPECT_EQ(KeyImageName(0xFFDB), "Enter.png");
  EXPECT_EQ(KeyImageName(0xFFDC), "Enter.png");
  EXPECT_EQ(KeyImageName(0xFFE5), "Home.png");  // gamepad Home looks like the keyboard's
  EXPECT_EQ(KeyImageName(0x24), "Home.png");
  EXPECT_EQ(KeyImageName(0x10), "Shift.png");
  EXPECT_EQ(KeyImageName(0x11), "Ctrl.png");
  EXPECT_EQ(KeyImageName(0x5C), "WIN.png");
  EXPECT_EQ(KeyImageName(0xE5), "equal.png");
  EXPECT_EQ(KeyImageName(0xFFDD), "RockerR_Right.png");
  EXPECT_EQ(KeyImageName(0xFFF0), "NC.png");
  EXPECT_EQ(KeyImageName(0x12), "NC.png");  // plain Alt has no picture
  EXPECT_EQ(KeyImageName(0), "NC.png");
}

TEST(KeyImageNameTest, NoKeyPictureIsExactlyNC) {
  EXPECT_TRUE(IsNoKeyImage("NC.png"));
  EXPECT_FALSE(IsNoKeyImage("nc.png"));
  EXPECT_FALSE(IsNoKeyImage(""));
  EXPECT_FALSE(IsNoKeyImage(" NC.png"));
  EXPECT_FALSE(IsNoKeyImage("Key_A.png"));
}

TEST(SlotButtonTest, SlotsWithAndWithoutButtons) {
  EXPECT_STREQ(SlotButtonName(0), "ConMSRollUpBtn");
  EXPECT_STREQ(SlotButtonName(5), "ConKeySetBBtn");
  EXPECT_STREQ(SlotButtonName(7), "ConKeySetYBtn");
  EXPECT_STREQ(SlotButtonName(13), "ConEnterBtn");
  EXPECT_STREQ(SlotButtonName(25), "BackKeySet1Btn");
  EXPECT_STREQ(SlotButtonName(32), "BackKeySet8Btn");
  for (int slot : {-1, 14, 24, 33, 40, 127, kNoSlot}) {
    EXPECT_EQ(SlotButtonName(slot), nullptr) << slot;
  }
}

}  // namespace
