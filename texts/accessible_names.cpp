// SPDX-License-Identifier: GPL-3.0-or-later
#include "texts/accessible_names.h"

#include "names/control_names.h"

namespace {

std::vector<AccessibleName> Build() {
  std::vector<AccessibleName> table{
      {names::kClose, {"关闭", "Close"}},
      {names::kMinimise, {"最小化", "Minimise"}},
      {names::kBackKeyMenu, {"背键功能自定义", "back button customization"}},
      {names::kControlKeyMenu, {"手柄键鼠模式按键自定义", "mouse model customization"}},
      {names::kBackKeyHelp, {"帮助", "Help"}},
      {names::kControlKeyHelp, {"帮助", "Help"}},
      {names::kBack, {"返回", "Back"}},
      {names::kRestore, {"还原", "Restore"}},
      {names::kSave, {"保存", "Save"}},
      {names::kBackKeyPicture, {"背键", "Rear buttons"}},
      {names::kControlKeyPicture, {"手柄", "Controller"}},
      {names::kVibrationOptions[0], {"震动关", "Rumble off"}},
      {names::kVibrationOptions[1], {"震动弱", "Rumble weak"}},
      {names::kVibrationOptions[2], {"震动强", "Rumble strong"}},
      {names::kLedOnOff, {"灯光开关", "Light on"}},
      {names::kDelayCombos[0], {"L4 第 1 步后延时", "L4 delay after step 1"}},
      {names::kDelayCombos[1], {"L4 第 2 步后延时", "L4 delay after step 2"}},
      {names::kDelayCombos[2], {"L4 第 3 步后延时", "L4 delay after step 3"}},
      {names::kDelayCombos[3], {"R4 第 1 步后延时", "R4 delay after step 1"}},
      {names::kDelayCombos[4], {"R4 第 2 步后延时", "R4 delay after step 2"}},
      {names::kDelayCombos[5], {"R4 第 3 步后延时", "R4 delay after step 3"}},
      {names::kLeftCentre.slider, {"左摇杆中心死区", "Left stick centre dead zone"}},
      {names::kLeftBoundary.slider, {"左摇杆边界死区", "Left stick boundary dead zone"}},
      {names::kRightCentre.slider, {"右摇杆中心死区", "Right stick centre dead zone"}},
      {names::kRightBoundary.slider, {"右摇杆边界死区", "Right stick boundary dead zone"}},
  };
  // The colour swatches, by their place in the row.
  static const char* const kColourNames[13][2] = {
      {"颜色 1", "Colour 1"},   {"颜色 2", "Colour 2"},   {"颜色 3", "Colour 3"},
      {"颜色 4", "Colour 4"},   {"颜色 5", "Colour 5"},   {"颜色 6", "Colour 6"},
      {"颜色 7", "Colour 7"},   {"颜色 8", "Colour 8"},   {"颜色 9", "Colour 9"},
      {"颜色 10", "Colour 10"}, {"颜色 11", "Colour 11"}, {"颜色 12", "Colour 12"},
      {"颜色 13", "Colour 13"}};
  for (std::size_t i = 0; i < names::kLedSwatches.size(); ++i) {
    table.push_back({names::kLedSwatches[i], {kColourNames[i][0], kColourNames[i][1]}});
  }
  return table;
}

}  // namespace

const std::vector<AccessibleName>& AccessibleNames() {
  static const std::vector<AccessibleName> table = Build();
  return table;
}
