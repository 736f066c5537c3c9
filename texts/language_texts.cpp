#include "texts/language_texts.h"

namespace {
using K = LanguageSetting::Kind;

// Widths, paddings and one position change with the language because the English captions
// are longer; the fonts differ because the CJK and Latin captions need different faces.
constexpr std::array<LanguageSetting, 38> kSettings{{
    {"BackKeyLabel", K::kText, nullptr, "背键功能自定义", "back button customization"},
    {"ControlKeyLabel", K::kText, nullptr, "手柄键鼠模式按键自定义", "mouse model customization"},
    {"BackKeyLabel", K::kAttribute, "font", "0", "2"},
    {"ControlKeyLabel", K::kAttribute, "font", "0", "2"},
    {"BackKeyLabel", K::kAttribute, "width", "220", "270"},
    {"BackKeyLabel", K::kAttribute, "padding", "151,340,0,0", "120,340,0,0"},
    {"BackKeyHelpbtn", K::kAttribute, "pos", "352,342,0,0", "394,342,0,0"},
    {"ControlKeyLabel", K::kAttribute, "padding", "150,340,0,0", "156,340,0,0"},
    {"Backbtn", K::kAttribute, "normalimage", "back_nor.png", "en_back_nor.png"},
    {"Backbtn", K::kAttribute, "hotimage", "back_hot.png", "en_back_hot.png"},
    {"Backbtn", K::kAttribute, "pushedimage", "back_press.png", "en_back_press.png"},
    {"Reductionbtn", K::kAttribute, "normalimage", "Reduction_nor.png", "en_Reduction_nor.png"},
    {"Reductionbtn", K::kAttribute, "hotimage", "Reduction_hot.png", "en_Reduction_hot.png"},
    {"Reductionbtn", K::kAttribute, "pushedimage", "Reduction_press.png", "en_Reduction_press.png"},
    {"Savebtn", K::kAttribute, "normalimage", "Save_nor.png", "en_Save_nor.png"},
    {"Savebtn", K::kAttribute, "hotimage", "Save_hot.png", "en_Save_hot.png"},
    {"Savebtn", K::kAttribute, "pushedimage", "Save_press.png", "en_Save_press.png"},
    {"VerLabel", K::kVersion, nullptr, nullptr, nullptr},
    {"LeftKeyLabel", K::kText, nullptr, "左键: ", "Left-key:"},
    {"RightKeyLabel", K::kText, nullptr, "右键: ", "Right-key:"},
    {"VibLayout", K::kAttribute, "width", "140", "156"},
    {"VibTitle", K::kText, nullptr, "震动:", "Rumble:"},
    {"LedColorLayout", K::kAttribute, "width", "480", "495"},
    {"LedColorTitle", K::kText, nullptr, "颜色:", "Color:"},
    {"LedModeLayout", K::kAttribute, "width", "260", "275"},
    {"LedModeTitle", K::kText, nullptr, "灯光:", "Status:"},
    {"LedModeRotated", K::kText, nullptr, "幻彩", "Rotated"},
    {"LedModeConstant", K::kText, nullptr, "常亮", "Constant"},
    {"LedModeBreathed", K::kText, nullptr, "呼吸", "Breathed"},
    {"LedModeRotated", K::kFont, nullptr, "5", "6"},
    {"LedModeConstant", K::kFont, nullptr, "5", "6"},
    {"LedModeBreathed", K::kFont, nullptr, "5", "6"},
    {"RightAxesTitle", K::kText, nullptr, "右摇杆", "Right stick"},
    {"RsCenterText", K::kText, nullptr, "中心", "Center"},
    {"RsBoundaryText", K::kText, nullptr, "边界", "Boundary"},
    {"LeftAxesTitle", K::kText, nullptr, "左摇杆", "Left stick"},
    {"LsCenterText", K::kText, nullptr, "中心", "Center"},
    {"LsBoundaryText", K::kText, nullptr, "边界", "Boundary"},
}};
}  // namespace

const std::array<LanguageSetting, 38>& LanguageSettings() {
  return kSettings;
}
