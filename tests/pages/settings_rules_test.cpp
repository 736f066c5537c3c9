// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "config/controller_config.h"
#include "keys/key_codes.h"
#include "pages/dead_zones.h"
#include "pages/led_settings.h"
#include "pages/page_fill.h"
#include "pages/rumble.h"
#include "tests/pages/fake_page_controls.h"

namespace {

const std::vector<std::uint32_t> kPalette{0xFF0000, 0xFF3300, 0xFF6600, 0xFF9900, 0xFFFF00,
                                          0x99FF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0x6600FF,
                                          0xFF00FF, 0xFF0066, 0xFFFFFF};
const std::string kLedModel = "T2803-31";
const std::string kOtherKnownModel = "T2804-11";

QString Selected(const FakePageControls& controls, const char* option) {
  return controls.Attr(option, "selected");
}

TEST(LedRulesTest, ClicksChangeOnlyTheirBitsAndTheEffectSurvivesOff) {
  using pages::LedClick;
  EXPECT_EQ(pages::LedCodeAfterClick(0x0013, LedClick::kRotating), 0x0021);
  EXPECT_EQ(pages::LedCodeAfterClick(0x0021, LedClick::kConstant), 0x0001);
  EXPECT_EQ(pages::LedCodeAfterClick(0xAB0E, LedClick::kBreathing), 0xAB10);
  EXPECT_EQ(pages::LedCodeAfterClick(0xFF10, LedClick::kOnOff), 0xFF11);
  EXPECT_EQ(pages::LedCodeAfterClick(0xFF11, LedClick::kOnOff), 0xFF10);
  EXPECT_EQ(pages::LedCodeAfterClick(0x12FE, LedClick::kOnOff), 0x12FF);
}

TEST(LedRulesTest, OptionsAndColourGroupFollowTheModeOnTheLedModel) {
  FakePageControls controls;
  ControllerConfig config;
  config.SetCode(34, 0xFF10);  // off, breathing remembered, red
  pages::SetLedMode(controls, config, pages::LedClick::kOnOff, kLedModel);
  EXPECT_EQ(config.Code(34), 0xFF11);
  EXPECT_EQ(Selected(controls, "LedModeBreathed"), "true");
  EXPECT_TRUE(controls.Get("LedModeConstant").enabled);
  EXPECT_TRUE(controls.Get("LedColorLayout").visible);

  pages::SetLedMode(controls, config, pages::LedClick::kRotating, kLedModel);
  EXPECT_EQ(config.Code(34), 0xFF21);
  EXPECT_FALSE(controls.Get("LedColorLayout").visible);

  pages::SetLedMode(controls, config, pages::LedClick::kOnOff, kLedModel);
  EXPECT_EQ(config.Code(34), 0xFF20);
  for (const char* option : {"LedModeConstant", "LedModeBreathed", "LedModeRotated"}) {
    EXPECT_EQ(Selected(controls, option), "false") << option;
    EXPECT_FALSE(controls.Get(option).enabled) << option;
  }
  EXPECT_FALSE(controls.Get("LedColorLayout").visible);

  // Switched on again, rotating is chosen again and the colours stay hidden.
  pages::SetLedMode(controls, config, pages::LedClick::kOnOff, kLedModel);
  EXPECT_EQ(Selected(controls, "LedModeRotated"), "true");
  EXPECT_FALSE(controls.Get("LedColorLayout").visible);
  pages::SetLedMode(controls, config, pages::LedClick::kConstant, kLedModel);
  EXPECT_TRUE(controls.Get("LedColorLayout").visible);

  // Other models leave the colour group alone.
  FakePageControls other;
  other.controls["LedColorLayout"].visible = false;
  pages::SetLedMode(other, config, pages::LedClick::kBreathing, kOtherKnownModel);
  pages::ShowLedMode(other, 0x01, "");
  EXPECT_FALSE(other.Get("LedColorLayout").visible);
}

TEST(LedRulesTest, ShowingAStoredModeByte) {
  FakePageControls controls;
  pages::ShowLedMode(controls, 0x00, kLedModel);
  for (const char* option :
       {"LedModeOnOff", "LedModeConstant", "LedModeBreathed", "LedModeRotated"}) {
    EXPECT_EQ(Selected(controls, option), "false") << option;
  }
  EXPECT_FALSE(controls.Get("LedModeRotated").enabled);
  EXPECT_FALSE(controls.Get("LedColorLayout").visible);

  FakePageControls unknownEffect;
  pages::ShowLedMode(unknownEffect, 0x31, kLedModel);
  EXPECT_EQ(Selected(unknownEffect, "LedModeOnOff"), "true");
  EXPECT_TRUE(unknownEffect.Get("LedModeRotated").enabled);
  for (const char* option : {"LedModeConstant", "LedModeBreathed", "LedModeRotated"}) {
    EXPECT_EQ(Selected(unknownEffect, option), "") << option;
  }
  EXPECT_TRUE(unknownEffect.Get("LedColorLayout").visible);
}

TEST(LedRulesTest, PickingASwatchStoresItsColourAndMarksOnlyIt) {
  FakePageControls controls;
  ControllerConfig config;
  config.SetCode(34, 0x0011);
  pages::PickLedColour(controls, config, kPalette, 2);
  pages::PickLedColour(controls, config, kPalette, 5);  // 0x99FF00
  EXPECT_EQ(config.Code(34), 0x9911);
  EXPECT_EQ(config.Code(35), 0x00FF);
  int marked = 0;
  for (const auto& [name, state] : controls.controls) {
    if (state.border == 0xFFFFFFFF) {
      EXPECT_EQ(name, "LedColor5");
      ++marked;
    } else {
      EXPECT_EQ(state.border, 0x00FFFFFFu) << name;
    }
  }
  EXPECT_EQ(marked, 1);
  pages::PickLedColour(controls, config, kPalette, 13);  // no such swatch: nothing
  EXPECT_EQ(config.Code(34), 0x9911);
}

TEST(DeadZoneRulesTest, SlidersAreStoredOnKnownModelsAndShownAsSignedBytes) {
  FakePageControls controls;
  controls.controls["LS_CenterDzSlider"].value = 5;
  controls.controls["LS_BoundaryDzSlider"].value = 30;
  controls.controls["RS_CenterDzSlider"].value = 200;
  controls.controls["RS_BoundaryDzSlider"].value = 1;
  ControllerConfig config;
  pages::StoreDeadZones(controls, config, "");
  pages::StoreDeadZones(controls, config, "T2804-13");
  EXPECT_EQ(config.Code(36), 0);
  EXPECT_EQ(config.Code(37), 0);
  pages::StoreDeadZones(controls, config, kOtherKnownModel);
  EXPECT_EQ(config.Code(36), 0x1E05);
  EXPECT_EQ(config.Code(37), 0x01C8);

  pages::ShowDeadZones(controls, 0x0A05, 0xC800);
  EXPECT_EQ(controls.Get("LS_CenterDzSlider").value, 5);
  EXPECT_EQ(controls.Get("LsCenterDzValue").text, "5");
  EXPECT_EQ(controls.Get("LS_BoundaryDzSlider").value, 10);
  EXPECT_EQ(controls.Get("LsBoundaryDzValue").text, "10");
  EXPECT_EQ(controls.Get("RS_CenterDzSlider").value, 0);
  EXPECT_EQ(controls.Get("RsBoundaryDzValue").text, "-56");
  EXPECT_EQ(pages::DeadZoneText(127), "127");
  EXPECT_EQ(pages::DeadZoneText(0x1FF), "-1");
}

TEST(RumbleRulesTest, OneOptionPerLevelAndNoneOutsideTheRange) {
  FakePageControls controls;
  ControllerConfig config;
  pages::SetVibrationLevel(config, 2);
  EXPECT_EQ(config.Code(33), 2);
  pages::SelectVibrationOption(controls, 0);
  pages::SelectVibrationOption(controls, 2);
  EXPECT_EQ(Selected(controls, "Vib0"), "false");
  EXPECT_EQ(Selected(controls, "Vib1"), "false");
  EXPECT_EQ(Selected(controls, "Vib2"), "true");
  pages::SelectVibrationOption(controls, 3);
  for (const char* option : {"Vib0", "Vib1", "Vib2"})
    EXPECT_EQ(Selected(controls, option), "false");
}

TEST(PageFillTest, RestoreGivesFactoryKeysAndEmptiesTheRearButtons) {
  TranslationTable table{};
  FillKeyTranslationTable(table);
  FakePageControls controls;
  ControllerConfig config;
  for (int slot = 0; slot < 64; ++slot) config.SetCode(slot, 0x1234);
  pages::RestoreControlKeyPage(controls, config, {table, kPalette, kLedModel});
  const std::pair<int, std::uint16_t> codes[] = {
      {10, 0x04}, {11, 0x07},   {8, 0x1A}, {9, 0x16}, {2, 0x4A}, {3, 0x4D},  {0, 0xE8},
      {1, 0xE9},  {6, 0x50},    {7, 0x52}, {5, 0x4F}, {4, 0x51}, {12, 0x2C}, {13, 0x28},
      {33, 1},    {34, 0xFF00}, {35, 0},   {36, 0},   {37, 0}};
  for (const auto& [slot, code] : codes) EXPECT_EQ(config.Code(slot), code) << slot;
  const std::pair<const char*, const char*> pictures[] = {
      {"ConKeyABtn", "Key_A.png"},      {"ConKeyDBtn", "Key_D.png"},
      {"ConKeyWBtn", "Key_W.png"},      {"ConKeySBtn", "Key_S.png"},
      {"ConKeyHomeBtn", "Home.png"},    {"ConKeyEndBtn", "End.png"},
      {"ConMSRollUpBtn", "MS_UP.png"},  {"ConMSRollDownBtn", "MS_DOWN.png"},
      {"ConKeySetXBtn", "Left.png"},    {"ConKeySetYBtn", "Up.png"},
      {"ConKeySetBBtn", "Right.png"},   {"ConKeySetABtn", "Down.png"},
      {"ConSpacebarSBtn", "Space.png"}, {"ConEnterBtn", "Enter.png"}};
  for (const auto& [button, picture] : pictures) {
    EXPECT_EQ(controls.Attr(button, "bkimage"), picture) << button;
  }
  EXPECT_EQ(Selected(controls, "Vib1"), "true");
  EXPECT_EQ(controls.Get("LedColor0").border, 0xFFFFFFFFu);
  EXPECT_EQ(Selected(controls, "LedModeOnOff"), "false");
  EXPECT_EQ(controls.Get("LsBoundaryDzValue").text, "0");
  EXPECT_EQ(config.Code(25), 0x1234);  // the other page's slots keep what was read

  pages::RestoreBackKeyPage(controls, config);
  for (int slot : {25, 26, 27, 28, 29, 30, 31, 32, 40, 41, 42, 44, 45, 46}) {
    EXPECT_EQ(config.Code(slot), 0) << slot;
  }
  EXPECT_EQ(config.Code(43), 0x1234);
  EXPECT_EQ(controls.Attr("BackKeySet8Btn", "bkimage"), "NC.png");
  EXPECT_EQ(controls.Get("BackKeyTimeCombo6").item, 0);
}

TEST(PageFillTest, BackKeyPageShowsStepsAndDelays) {
  TranslationTable table{};
  FillKeyTranslationTable(table);
  FakePageControls controls;
  ControllerConfig config;
  config.SetCode(25, 0xFF05);
  config.SetCode(26, 0x7777);  // no such key
  for (const char* combo : {"BackKeyTimeCombo1", "BackKeyTimeCombo2", "BackKeyTimeCombo3",
                            "BackKeyTimeCombo4", "BackKeyTimeCombo5", "BackKeyTimeCombo6"}) {
    controls.controls[combo].items = QStringList{"0", "100"};  // the skin's two items
  }
  config.SetCode(40, 100);
  config.SetCode(44, 99);  // padctl can store any delay
  config.SetCode(45, 250);
  std::vector<std::wstring> traces;
  const auto fill = [&] {
    pages::FillBackKeyPage(controls, config, table,
                           [&traces](const std::wstring& line) { traces.push_back(line); });
  };
  fill();
  EXPECT_EQ(traces.size(), 8u);  // one line for each step shown
  EXPECT_EQ(controls.Attr("BackKeySet1Btn", "bkimage"), "Rocker_A.png");
  EXPECT_EQ(controls.Attr("BackKeySet2Btn", "bkimage"), "NC.png");
  EXPECT_EQ(controls.Attr("BackKeySet2Btn", "hotimage"), "Key_hot.png");
  EXPECT_EQ(controls.Get("BackKeyTimeCombo1").item, 1);
  EXPECT_EQ(controls.Get("BackKeyTimeCombo2").item, 0);
  EXPECT_EQ(controls.Get("BackKeyTimeCombo2").items, QStringList({"0", "100"}));
  // Any other delay is shown as its own number, not as 0.
  EXPECT_EQ(controls.Get("BackKeyTimeCombo4").items, QStringList({"0", "100", "99"}));
  EXPECT_EQ(controls.Get("BackKeyTimeCombo4").item, 2);
  EXPECT_EQ(controls.Get("BackKeyTimeCombo5").items, QStringList({"0", "100", "250"}));
  EXPECT_EQ(controls.Attr("BackKeyTimeCombo6", "enabled"), "true");
  // Loaded again with 0 and 100 there, the extra items go.
  config.SetCode(44, 0);
  config.SetCode(45, 100);
  fill();
  EXPECT_EQ(controls.Get("BackKeyTimeCombo4").items, QStringList({"0", "100"}));
  EXPECT_EQ(controls.Get("BackKeyTimeCombo4").item, 0);
  EXPECT_EQ(controls.Get("BackKeyTimeCombo5").items, QStringList({"0", "100"}));
  EXPECT_EQ(controls.Get("BackKeyTimeCombo5").item, 1);
}

}  // namespace
