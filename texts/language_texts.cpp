// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/language_texts.h"

#include "names/control_names.h"

namespace {
using K = LanguageSetting::Kind;

// Widths, paddings and one position change with the language because the English captions
// are longer; the fonts differ because the CJK and Latin captions need different faces.
constexpr std::array<LanguageSetting, 38> kSettings{{
    {names::kBackKeyCaption, K::kText, nullptr, "背键功能自定义", "back button customization"},
    {names::kControlKeyCaption, K::kText, nullptr, "手柄键鼠模式按键自定义",
     "mouse model customization"},
    {names::kBackKeyCaption, K::kAttribute, "font", "0", "2"},
    {names::kControlKeyCaption, K::kAttribute, "font", "0", "2"},
    {names::kBackKeyCaption, K::kAttribute, "width", "220", "270"},
    {names::kBackKeyCaption, K::kAttribute, "padding", "151,340,0,0", "120,340,0,0"},
    {names::kBackKeyHelp, K::kAttribute, "pos", "352,342,0,0", "394,342,0,0"},
    {names::kControlKeyCaption, K::kAttribute, "padding", "150,340,0,0", "156,340,0,0"},
    {names::kBack, K::kAttribute, "normalimage", "back_nor.png", "en_back_nor.png"},
    {names::kBack, K::kAttribute, "hotimage", "back_hot.png", "en_back_hot.png"},
    {names::kBack, K::kAttribute, "pushedimage", "back_press.png", "en_back_press.png"},
    {names::kRestore, K::kAttribute, "normalimage", "Reduction_nor.png", "en_Reduction_nor.png"},
    {names::kRestore, K::kAttribute, "hotimage", "Reduction_hot.png", "en_Reduction_hot.png"},
    {names::kRestore, K::kAttribute, "pushedimage", "Reduction_press.png",
     "en_Reduction_press.png"},
    {names::kSave, K::kAttribute, "normalimage", "Save_nor.png", "en_Save_nor.png"},
    {names::kSave, K::kAttribute, "hotimage", "Save_hot.png", "en_Save_hot.png"},
    {names::kSave, K::kAttribute, "pushedimage", "Save_press.png", "en_Save_press.png"},
    {names::kVersionLabel, K::kVersion, nullptr, nullptr, nullptr},
    {names::kLeftKeyTitle, K::kText, nullptr, "左键: ", "Left-key:"},
    {names::kRightKeyTitle, K::kText, nullptr, "右键: ", "Right-key:"},
    {names::kVibrationGroup, K::kAttribute, "width", "140", "156"},
    {names::kVibrationTitle, K::kText, nullptr, "震动:", "Rumble:"},
    {names::kLedColourGroup, K::kAttribute, "width", "480", "495"},
    {names::kLedColourTitle, K::kText, nullptr, "颜色:", "Color:"},
    {names::kLedModeGroup, K::kAttribute, "width", "260", "275"},
    {names::kLedModeTitle, K::kText, nullptr, "灯光:", "Status:"},
    {names::kLedRotating, K::kText, nullptr, "幻彩", "Rotated"},
    {names::kLedConstant, K::kText, nullptr, "常亮", "Constant"},
    {names::kLedBreathing, K::kText, nullptr, "呼吸", "Breathed"},
    {names::kLedRotating, K::kFont, nullptr, "5", "6"},
    {names::kLedConstant, K::kFont, nullptr, "5", "6"},
    {names::kLedBreathing, K::kFont, nullptr, "5", "6"},
    {names::kRightStickTitle, K::kText, nullptr, "右摇杆", "Right stick"},
    {names::kRightCentreCaption, K::kText, nullptr, "中心", "Center"},
    {names::kRightBoundaryCaption, K::kText, nullptr, "边界", "Boundary"},
    {names::kLeftStickTitle, K::kText, nullptr, "左摇杆", "Left stick"},
    {names::kLeftCentreCaption, K::kText, nullptr, "中心", "Center"},
    {names::kLeftBoundaryCaption, K::kText, nullptr, "边界", "Boundary"},
}};
}  // namespace

const std::array<LanguageSetting, 38>& LanguageSettings() {
  return kSettings;
}
