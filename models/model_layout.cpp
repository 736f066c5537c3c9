#include "models/model_layout.h"

#include "sysinfo/board_model.h"

namespace {
constexpr ModelLayout kLayout1{
    {{
        {"BackKeybtn", "normalimage", "file='Resources/BackKeybtn_nor_New.png'"},
        {"BackKeybtn", "hotimage", "file='Resources/BackKeybtn_hot_New.png'"},
        {"BackKeybtn", "pushedimage", "file='Resources/BackKeybtn_press_New.png'"},
        {"ControlKeybtn", "normalimage", "file='Resources/ControlKey_nor_New.png'"},
        {"ControlKeybtn", "hotimage", "file='Resources/ControlKey_hot_New.png'"},
        {"ControlKeybtn", "pushedimage", "file='Resources/ControlKey_press_New.png'"},
        {"BackKeyDevBkgImg", "bkimage", "file='Resources/BackKeyNewBK.png'"},
        {"ConKeyDevBkgImg", "bkimage", "file='Resources/ControlKeyNewBK.png'"},
    }},
    {{
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
    }},
};

constexpr ModelLayout kLayout2{
    {{
        {"BackKeybtn", "normalimage", "file='Resources/T2802_21_MacroBtn_nor.png'"},
        {"BackKeybtn", "hotimage", "file='Resources/T2802_21_MacroBtn_hot.png'"},
        {"BackKeybtn", "pushedimage", "file='Resources/T2802_21_MacroBtn_press.png'"},
        {"ControlKeybtn", "normalimage", "file='Resources/T2802_21_MappingKey_nor.png'"},
        {"ControlKeybtn", "hotimage", "file='Resources/T2802_21_MappingKey_hot.png'"},
        {"ControlKeybtn", "pushedimage", "file='Resources/T2802_21_MappingKey_press.png'"},
        {"BackKeyDevBkgImg", "bkimage", "file='Resources/T2802-21_MacroKeyBK.png'"},
        {"ConKeyDevBkgImg", "bkimage", "file='Resources/T2802-21_MappingKeyBK.png'"},
    }},
    {{
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
    }},
};

constexpr ModelLayout kLayout3{
    {{
        {"BackKeybtn", "normalimage", "file='Resources/T2803_31_BackKeybtn_nor.png'"},
        {"BackKeybtn", "hotimage", "file='Resources/T2803_31_BackKeybtn_hot.png'"},
        {"BackKeybtn", "pushedimage", "file='Resources/T2803_31_BackKeybtn_press.png'"},
        {"ControlKeybtn", "normalimage", "file='Resources/T2803_31_ControlKey_nor.png'"},
        {"ControlKeybtn", "hotimage", "file='Resources/T2803_31_ControlKey_hot.png'"},
        {"ControlKeybtn", "pushedimage", "file='Resources/T2803_31_ControlKey_press.png'"},
        {"BackKeyDevBkgImg", "bkimage", "file='Resources/BackKeyBK_T2803_31.png'"},
        {"ConKeyDevBkgImg", "bkimage", "file='Resources/CtrlKeyBK_T2803_31.png'"},
    }},
    {{
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
