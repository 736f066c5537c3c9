// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>

#include "keys/key_slots.h"
#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"

namespace {

using Expected = std::vector<std::tuple<const char*, const char*, const char*>>;

const Expected kLayout1 = {
    {"BackKeybtn", "normalimage", "file='Resources/BackKeybtn_nor_New.png'"},
    {"BackKeybtn", "hotimage", "file='Resources/BackKeybtn_hot_New.png'"},
    {"BackKeybtn", "pushedimage", "file='Resources/BackKeybtn_press_New.png'"},
    {"ControlKeybtn", "normalimage", "file='Resources/ControlKey_nor_New.png'"},
    {"ControlKeybtn", "hotimage", "file='Resources/ControlKey_hot_New.png'"},
    {"ControlKeybtn", "pushedimage", "file='Resources/ControlKey_press_New.png'"},
    {"BackKeyDevBkgImg", "bkimage", "file='Resources/BackKeyNewBK.png'"},
    {"ConKeyDevBkgImg", "bkimage", "file='Resources/ControlKeyNewBK.png'"},
    {"ConKeyABtn", "pos", "205,61, 0, 0"},
    {"ConKeyDBtn", "pos", "313,61,0,0"},
    {"ConKeyWBtn", "pos", "258,41,0,0"},
    {"ConKeySBtn", "pos", "258,82,0,0"},
    {"ConSpacebarSBtn", "pos", "122,178,0,0"},
    {"ConMSRollUpBtn", "pos", "122,211,0,0"},
    {"ConKeyHomeBtn", "pos", "122,241,0,0"},
    {"ConMSRollDownBtn", "pos", "123,275,0,0"},
    {"ConKeyEndBtn", "pos", "123,306,0,0"},
    {"ConKeySetXBtn", "pos", "793,302,0,0"},
    {"ConKeySetYBtn", "pos", "793,208,0,0"},
    {"ConKeySetBBtn", "pos", "793,239,0,0"},
    {"ConKeySetABtn", "pos", "793,270,0,0"},
    {"ConEnterBtn", "pos", "793,175,0,0"},
};

const Expected kLayout2 = {
    {"BackKeybtn", "normalimage", "file='Resources/T2802_21_MacroBtn_nor.png'"},
    {"BackKeybtn", "hotimage", "file='Resources/T2802_21_MacroBtn_hot.png'"},
    {"BackKeybtn", "pushedimage", "file='Resources/T2802_21_MacroBtn_press.png'"},
    {"ControlKeybtn", "normalimage", "file='Resources/T2802_21_MappingKey_nor.png'"},
    {"ControlKeybtn", "hotimage", "file='Resources/T2802_21_MappingKey_hot.png'"},
    {"ControlKeybtn", "pushedimage", "file='Resources/T2802_21_MappingKey_press.png'"},
    {"BackKeyDevBkgImg", "bkimage", "file='Resources/T2802-21_MacroKeyBK.png'"},
    {"ConKeyDevBkgImg", "bkimage", "file='Resources/T2802-21_MappingKeyBK.png'"},
    {"ConKeyABtn", "pos", "246,36, 0, 0"},
    {"ConKeyDBtn", "pos", "354,36,0,0"},
    {"ConKeyWBtn", "pos", "300,16,0,0"},
    {"ConKeySBtn", "pos", "300,57,0,0"},
    {"ConSpacebarSBtn", "pos", "176,218,0,0"},
    {"ConMSRollUpBtn", "pos", "176,250,0,0"},
    {"ConKeyHomeBtn", "pos", "176,282,0,0"},
    {"ConMSRollDownBtn", "pos", "176,314,0,0"},
    {"ConKeyEndBtn", "pos", "176,347,0,0"},
    {"ConKeySetXBtn", "pos", "736,299,0,0"},
    {"ConKeySetYBtn", "pos", "736,205,0,0"},
    {"ConKeySetBBtn", "pos", "736,236,0,0"},
    {"ConKeySetABtn", "pos", "736,267,0,0"},
    {"ConEnterBtn", "pos", "736,172,0,0"},
};

const Expected kLayout3 = {
    {"BackKeybtn", "normalimage", "file='Resources/T2803_31_BackKeybtn_nor.png'"},
    {"BackKeybtn", "hotimage", "file='Resources/T2803_31_BackKeybtn_hot.png'"},
    {"BackKeybtn", "pushedimage", "file='Resources/T2803_31_BackKeybtn_press.png'"},
    {"ControlKeybtn", "normalimage", "file='Resources/T2803_31_ControlKey_nor.png'"},
    {"ControlKeybtn", "hotimage", "file='Resources/T2803_31_ControlKey_hot.png'"},
    {"ControlKeybtn", "pushedimage", "file='Resources/T2803_31_ControlKey_press.png'"},
    {"BackKeyDevBkgImg", "bkimage", "file='Resources/BackKeyBK_T2803_31.png'"},
    {"ConKeyDevBkgImg", "bkimage", "file='Resources/CtrlKeyBK_T2803_31.png'"},
    {"ConKeyABtn", "pos", "169,76,0,0"},
    {"ConKeyDBtn", "pos", "276,76,0,0"},
    {"ConKeyWBtn", "pos", "222,56,0,0"},
    {"ConKeySBtn", "pos", "222,97,0,0"},
    {"ConSpacebarSBtn", "pos", "121,201,0,0"},
    {"ConMSRollUpBtn", "pos", "121,234,0,0"},
    {"ConKeyHomeBtn", "pos", "121,265,0,0"},
    {"ConMSRollDownBtn", "pos", "121,298,0,0"},
    {"ConKeyEndBtn", "pos", "121,330,0,0"},
    {"ConKeySetXBtn", "pos", "792,149,0,0"},
    {"ConKeySetYBtn", "pos", "792,181,0,0"},
    {"ConKeySetBBtn", "pos", "792,212,0,0"},
    {"ConKeySetABtn", "pos", "792,244,0,0"},
    {"ConEnterBtn", "pos", "792,276,0,0"},
};

using Snapshot = std::map<std::string, QString>;

Snapshot LayoutAttributes(MainWindow& window) {
  Snapshot values;
  for (const auto& [control, attribute, value] : kLayout1) {
    values[std::string(control) + "." + attribute] = Attr(window, control, attribute);
  }
  return values;
}

class ModelLayoutTest : public ::testing::Test {
 protected:
  void ExpectLayout(const std::string& model, const Expected& expected) {
    env.SetModel(model);
    auto window = env.MakeWindow();
    for (const auto& [control, attribute, value] : expected) {
      EXPECT_EQ(Attr(*window, control, attribute), value)
          << model << " " << control << "." << attribute;
    }
  }
  AppTestEnv env;
};

TEST_F(ModelLayoutTest, EachKnownModelGetsItsLayoutExactly) {
  ExpectLayout("T2804-11", kLayout1);
  ExpectLayout("T2804-12", kLayout1);
  ExpectLayout("T2802-21", kLayout2);
  ExpectLayout("T2803-31", kLayout3);
  ExpectLayout("  T2803-31  ", kLayout3);  // the query trims blanks
}

TEST_F(ModelLayoutTest, SecondFirstLayoutModelMatchesTheFirstInEveryAttribute) {
  env.SetModel("T2804-11");
  auto first = env.MakeWindow();
  env.SetModel("T2804-12");
  auto second = env.MakeWindow();
  EXPECT_EQ(LayoutAttributes(*first), LayoutAttributes(*second));
}

TEST_F(ModelLayoutTest, UnknownModelsKeepTheSkin) {
  env.RemoveModel();  // failed query: the skin's own values
  auto plain = env.MakeWindow();
  const Snapshot skin = LayoutAttributes(*plain);
  for (const char* model : {"t2803-31", "T2803-31x", "T2803-3", "", "T2803_31", "Unknown"}) {
    env.SetModel(model);
    auto window = env.MakeWindow();
    EXPECT_EQ(LayoutAttributes(*window), skin) << "'" << model << "'";
  }
}

TEST_F(ModelLayoutTest, ControlKeyPageGroupsFollowTheModel) {
  struct Case {
    const char* model;
    bool led;
    bool deadZone;
  };
  for (const Case& c : {Case{"T2803-31", true, true}, Case{"T2804-11", false, true},
                        Case{"T2804-12", false, true}, Case{"T2802-21", false, true}}) {
    env.SetModel(c.model);
    auto window = env.MakeWindow();
    window->ShowControlKeyPage(true);
    EXPECT_EQ(ui::IsVisible(Control(*window, "LedColorLayout")), c.led) << c.model;
    EXPECT_EQ(ui::IsVisible(Control(*window, "LedModeLayout")), c.led) << c.model;
    EXPECT_EQ(ui::IsVisible(Control(*window, "DeadZoneLayout")), c.deadZone) << c.model;
    EXPECT_TRUE(ui::IsVisible(Control(*window, "VibLayout"))) << c.model;
    EXPECT_TRUE(ui::IsVisible(Control(*window, "ConKeyDevBkgImg"))) << c.model;
    for (int slot = 0; slot <= 13; ++slot) {
      EXPECT_TRUE(ui::IsVisible(Control(*window, SlotButtonName(slot)))) << c.model << slot;
    }
    window->ShowControlKeyPage(false);
    EXPECT_FALSE(ui::IsVisible(Control(*window, "LedColorLayout"))) << c.model;
    EXPECT_FALSE(ui::IsVisible(Control(*window, "DeadZoneLayout"))) << c.model;
    EXPECT_FALSE(ui::IsVisible(Control(*window, "VibLayout"))) << c.model;
  }
}

TEST_F(ModelLayoutTest, UnknownModelLeavesOptionalGroupsAlone) {
  env.SetModel("t2803-31");
  auto window = env.MakeWindow();
  // Whatever visibility they have is theirs to keep, either way round.
  for (bool groups : {true, false}) {
    ui::SetVisible(Control(*window, "LedColorLayout"), groups);
    ui::SetVisible(Control(*window, "LedModeLayout"), groups);
    ui::SetVisible(Control(*window, "DeadZoneLayout"), groups);
    for (bool page : {true, false}) {
      window->ShowControlKeyPage(page);
      EXPECT_EQ(ui::IsVisible(Control(*window, "LedColorLayout")), groups);
      EXPECT_EQ(ui::IsVisible(Control(*window, "LedModeLayout")), groups);
      EXPECT_EQ(ui::IsVisible(Control(*window, "DeadZoneLayout")), groups);
      EXPECT_EQ(ui::IsVisible(Control(*window, "VibLayout")), page);
    }
  }
}

}  // namespace
