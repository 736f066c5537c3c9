// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontDatabase>

#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"

namespace {

struct Row {
  const char* control;
  const char* what;  // "text", "fontindex" or an attribute name
  const char* chinese;
  const char* english;
};

const Row kRows[] = {
    {"BackKeyLabel", "text", "背键功能自定义", "back button customization"},
    {"ControlKeyLabel", "text", "手柄键鼠模式按键自定义", "mouse model customization"},
    {"BackKeyLabel", "font", "0", "2"},
    {"ControlKeyLabel", "font", "0", "2"},
    {"BackKeyLabel", "width", "220", "270"},
    {"BackKeyLabel", "padding", "151,340,0,0", "120,340,0,0"},
    {"BackKeyHelpbtn", "pos", "352,342,0,0", "394,342,0,0"},
    {"ControlKeyLabel", "padding", "150,340,0,0", "156,340,0,0"},
    {"Backbtn", "normalimage", "back_nor.png", "en_back_nor.png"},
    {"Backbtn", "hotimage", "back_hot.png", "en_back_hot.png"},
    {"Backbtn", "pushedimage", "back_press.png", "en_back_press.png"},
    {"Reductionbtn", "normalimage", "Reduction_nor.png", "en_Reduction_nor.png"},
    {"Reductionbtn", "hotimage", "Reduction_hot.png", "en_Reduction_hot.png"},
    {"Reductionbtn", "pushedimage", "Reduction_press.png", "en_Reduction_press.png"},
    {"Savebtn", "normalimage", "Save_nor.png", "en_Save_nor.png"},
    {"Savebtn", "hotimage", "Save_hot.png", "en_Save_hot.png"},
    {"Savebtn", "pushedimage", "Save_press.png", "en_Save_press.png"},
    {"VerLabel", "text", "版本:1.11 固件:X107K215", "Ver:1.11 Firmware:X107K215"},
    {"LeftKeyLabel", "text", "左键: ", "Left-key:"},
    {"RightKeyLabel", "text", "右键: ", "Right-key:"},
    {"VibLayout", "width", "140", "156"},
    {"VibTitle", "text", "震动:", "Rumble:"},
    {"LedColorLayout", "width", "480", "495"},
    {"LedColorTitle", "text", "颜色:", "Color:"},
    {"LedModeLayout", "width", "260", "275"},
    {"LedModeTitle", "text", "灯光:", "Status:"},
    {"LedModeRotated", "text", "幻彩", "Rotated"},
    {"LedModeConstant", "text", "常亮", "Constant"},
    {"LedModeBreathed", "text", "呼吸", "Breathed"},
    {"LedModeRotated", "fontindex", "5", "6"},
    {"LedModeConstant", "fontindex", "5", "6"},
    {"LedModeBreathed", "fontindex", "5", "6"},
    {"RightAxesTitle", "text", "右摇杆", "Right stick"},
    {"RsCenterText", "text", "中心", "Center"},
    {"RsBoundaryText", "text", "边界", "Boundary"},
    {"LeftAxesTitle", "text", "左摇杆", "Left stick"},
    {"LsCenterText", "text", "中心", "Center"},
    {"LsBoundaryText", "text", "边界", "Boundary"},
    {"BackKeyHelpbtn", "tooltip",
     "可作为如下下3个方式使用：<n>1、可映射为单个键盘按键或者手柄按键<n>2、映射为键盘的组合键("
     "最多设置4个组合键)<n>3、映射为手柄的组合键(最多设置4个组合键)",
     "back button setting could followed 3 ways:<n>1.remapped as single key or controller "
     "button<n>2.remapped as combination key(maximun 4 set)<n>3.remapped as controller "
     "combination key(maximun 4 set)"},
    {"ControlKeyHelpbtn", "tooltip",
     "用于修改摇杆作为键盘鼠标模式下的默认按<n>键值(只能映射键盘上的单个按键和鼠标滚轮)。",
     "Just for remap keyboard value on<n>joystick(Only fo single key and mouse wheel)"},
};

QString Read(MainWindow& window, const Row& row) {
  CControlUI* control = Control(window, row.control);
  const std::string what = row.what;
  if (what == "text") return ui::GetText(control);
  if (what == "fontindex") {
    auto* label = dynamic_cast<CLabelUI*>(control);
    return label ? QString::number(label->GetFont()) : QString();
  }
  return ui::GetAttribute(control, QString::fromLatin1(row.what));
}

class LanguageTextsTest : public ::testing::Test {
 protected:
  void ExpectLanguage(bool chinese, MainWindow& window, const char* label) {
    for (const Row& row : kRows) {
      EXPECT_EQ(Read(window, row), QString::fromUtf8(chinese ? row.chinese : row.english))
          << label << ": " << row.control << " " << row.what;
    }
  }
  AppTestEnv env;
};

TEST_F(LanguageTextsTest, ChineseOnlyForPrcChinese) {
  env.SetModel("T2803-31");
  env.SetLanguage(kLangChinesePrc);
  ExpectLanguage(true, *env.MakeWindow(), "0x0804");
  env.SetLanguage(kLangEnglishUs);
  ExpectLanguage(false, *env.MakeWindow(), "0x0409");
  env.SetLanguage(kLangChineseTaiwan);
  ExpectLanguage(false, *env.MakeWindow(), "0x0404");
}

TEST_F(LanguageTextsTest, ReapplyingFollowsALanguageChangeAndIsIdempotent) {
  env.SetLanguage(kLangChinesePrc);
  auto window = env.MakeWindow();
  env.SetLanguage(kLangEnglishUs);
  window->ApplyLanguageTexts();
  window->ApplyLanguageTexts();
  // Texts and attributes follow; the tooltips are set once at start-up only.
  for (const Row& row : kRows) {
    if (std::string(row.what) == "tooltip") continue;
    EXPECT_EQ(Read(*window, row), QString::fromUtf8(row.english)) << row.control << row.what;
  }
}

TEST_F(LanguageTextsTest, RearButtonTitlesOnTheL4R4Model) {
  env.SetModel("T2802-21");
  for (std::uint16_t lang : {kLangChinesePrc, kLangEnglishUs}) {
    env.SetLanguage(lang);
    auto window = env.MakeWindow();
    EXPECT_EQ(ui::GetText(Control(*window, "LeftKeyLabel")), "L4: ");
    EXPECT_EQ(ui::GetText(Control(*window, "RightKeyLabel")), "R4: ");
  }
  env.SetModel("t2802-21");
  env.SetLanguage(kLangChinesePrc);
  auto other = env.MakeWindow();
  EXPECT_EQ(ui::GetText(Control(*other, "LeftKeyLabel")), "左键: ");
  EXPECT_EQ(ui::GetText(Control(*other, "RightKeyLabel")), "右键: ");
}

// The skin names the Chinese family first. A Chinese window draws with it; an English one
// keeps it only as a fallback, so its large file is never opened for Latin text.
TEST_F(LanguageTextsTest, ChineseFontFamilyLeadsOnlyInChineseWindows) {
  if (!QFontDatabase::hasFamily(QStringLiteral("Noto Sans CJK SC"))) {
    GTEST_SKIP() << "needs Noto Sans CJK SC installed";
  }
  env.SetLanguage(kLangChinesePrc);
  auto chinese = env.MakeWindow();
  env.SetLanguage(kLangEnglishUs);
  auto english = env.MakeWindow();
  for (int index : {0, 2, 5, 8}) {
    const QStringList chineseFamilies = chinese->GetManager().GetFont(index).families();
    const QStringList englishFamilies = english->GetManager().GetFont(index).families();
    ASSERT_FALSE(chineseFamilies.isEmpty());
    ASSERT_FALSE(englishFamilies.isEmpty());
    EXPECT_EQ(chineseFamilies.first(), "Noto Sans CJK SC") << "font " << index;
    EXPECT_NE(englishFamilies.first(), "Noto Sans CJK SC") << "font " << index;
    EXPECT_TRUE(englishFamilies.contains("Noto Sans CJK SC")) << "font " << index;
    EXPECT_EQ(englishFamilies.size(), chineseFamilies.size()) << "font " << index;
  }
}

}  // namespace
