// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model_layout.h"

#include "names/control_names.h"
#include "sysinfo/board_model.h"

namespace {
constexpr ModelLayout kLayout1{
    {{
        {names::kBackKeyMenu, "normalimage", "file='Resources/BackKeybtn_nor_New.png'"},
        {names::kBackKeyMenu, "hotimage", "file='Resources/BackKeybtn_hot_New.png'"},
        {names::kBackKeyMenu, "pushedimage", "file='Resources/BackKeybtn_press_New.png'"},
        {names::kControlKeyMenu, "normalimage", "file='Resources/ControlKey_nor_New.png'"},
        {names::kControlKeyMenu, "hotimage", "file='Resources/ControlKey_hot_New.png'"},
        {names::kControlKeyMenu, "pushedimage", "file='Resources/ControlKey_press_New.png'"},
        {names::kBackKeyPicture, "bkimage", "file='Resources/BackKeyNewBK.png'"},
        {names::kControlKeyPicture, "bkimage", "file='Resources/ControlKeyNewBK.png'"},
    }},
    {{
        {names::kStickLeftKey, "pos", "205,61, 0, 0"},
        {names::kStickRightKey, "pos", "313,61,0,0"},
        {names::kStickUpKey, "pos", "258,41,0,0"},
        {names::kStickDownKey, "pos", "258,82,0,0"},
        {names::kSelectKey, "pos", "122,178,0,0"},
        {names::kWheelUpKey, "pos", "122,211,0,0"},
        {names::kHomeKey, "pos", "122,241,0,0"},
        {names::kWheelDownKey, "pos", "123,275,0,0"},
        {names::kEndKey, "pos", "123,306,0,0"},
        {names::kFaceXKey, "pos", "793,302,0,0"},
        {names::kFaceYKey, "pos", "793,208,0,0"},
        {names::kFaceBKey, "pos", "793,239,0,0"},
        {names::kFaceAKey, "pos", "793,270,0,0"},
        {names::kStartKey, "pos", "793,175,0,0"},
    }},
};

constexpr ModelLayout kLayout2{
    {{
        {names::kBackKeyMenu, "normalimage", "file='Resources/T2802_21_MacroBtn_nor.png'"},
        {names::kBackKeyMenu, "hotimage", "file='Resources/T2802_21_MacroBtn_hot.png'"},
        {names::kBackKeyMenu, "pushedimage", "file='Resources/T2802_21_MacroBtn_press.png'"},
        {names::kControlKeyMenu, "normalimage", "file='Resources/T2802_21_MappingKey_nor.png'"},
        {names::kControlKeyMenu, "hotimage", "file='Resources/T2802_21_MappingKey_hot.png'"},
        {names::kControlKeyMenu, "pushedimage", "file='Resources/T2802_21_MappingKey_press.png'"},
        {names::kBackKeyPicture, "bkimage", "file='Resources/T2802-21_MacroKeyBK.png'"},
        {names::kControlKeyPicture, "bkimage", "file='Resources/T2802-21_MappingKeyBK.png'"},
    }},
    {{
        {names::kStickLeftKey, "pos", "246,36, 0, 0"},
        {names::kStickRightKey, "pos", "354,36,0,0"},
        {names::kStickUpKey, "pos", "300,16,0,0"},
        {names::kStickDownKey, "pos", "300,57,0,0"},
        {names::kSelectKey, "pos", "176,218,0,0"},
        {names::kWheelUpKey, "pos", "176,250,0,0"},
        {names::kHomeKey, "pos", "176,282,0,0"},
        {names::kWheelDownKey, "pos", "176,314,0,0"},
        {names::kEndKey, "pos", "176,347,0,0"},
        {names::kFaceXKey, "pos", "736,299,0,0"},
        {names::kFaceYKey, "pos", "736,205,0,0"},
        {names::kFaceBKey, "pos", "736,236,0,0"},
        {names::kFaceAKey, "pos", "736,267,0,0"},
        {names::kStartKey, "pos", "736,172,0,0"},
    }},
};

constexpr ModelLayout kLayout3{
    {{
        {names::kBackKeyMenu, "normalimage", "file='Resources/T2803_31_BackKeybtn_nor.png'"},
        {names::kBackKeyMenu, "hotimage", "file='Resources/T2803_31_BackKeybtn_hot.png'"},
        {names::kBackKeyMenu, "pushedimage", "file='Resources/T2803_31_BackKeybtn_press.png'"},
        {names::kControlKeyMenu, "normalimage", "file='Resources/T2803_31_ControlKey_nor.png'"},
        {names::kControlKeyMenu, "hotimage", "file='Resources/T2803_31_ControlKey_hot.png'"},
        {names::kControlKeyMenu, "pushedimage", "file='Resources/T2803_31_ControlKey_press.png'"},
        {names::kBackKeyPicture, "bkimage", "file='Resources/BackKeyBK_T2803_31.png'"},
        {names::kControlKeyPicture, "bkimage", "file='Resources/CtrlKeyBK_T2803_31.png'"},
    }},
    {{
        {names::kStickLeftKey, "pos", "169,76,0,0"},
        {names::kStickRightKey, "pos", "276,76,0,0"},
        {names::kStickUpKey, "pos", "222,56,0,0"},
        {names::kStickDownKey, "pos", "222,97,0,0"},
        {names::kSelectKey, "pos", "121,201,0,0"},
        {names::kWheelUpKey, "pos", "121,234,0,0"},
        {names::kHomeKey, "pos", "121,265,0,0"},
        {names::kWheelDownKey, "pos", "121,298,0,0"},
        {names::kEndKey, "pos", "121,330,0,0"},
        {names::kFaceXKey, "pos", "792,149,0,0"},
        {names::kFaceYKey, "pos", "792,181,0,0"},
        {names::kFaceBKey, "pos", "792,212,0,0"},
        {names::kFaceAKey, "pos", "792,244,0,0"},
        {names::kStartKey, "pos", "792,276,0,0"},
    }},
};
}  // namespace

int LayoutNumberOf(const std::string& boardModel) {
  if (boardModel == kModelT2804_11 || boardModel == kModelT2804_12) return 1;
  if (boardModel == kModelT2802_21) return 2;
  if (boardModel == kModelT2803_31) return 3;
  return 0;
}

const ModelLayout* LayoutFor(int layoutNumber) {
  switch (layoutNumber) {
    case 1:
      return &kLayout1;
    case 2:
      return &kLayout2;
    case 3:
      return &kLayout3;
    default:
      return nullptr;
  }
}

bool ShowsLedGroups(const std::string& boardModel) {
  return boardModel == kModelT2803_31;
}

bool ShowsDeadZoneGroup(const std::string& boardModel) {
  return IsKnownBoardModel(boardModel);
}

bool UsesRearButtonTitles(const std::string& boardModel) {
  return boardModel == kModelT2802_21;
}
