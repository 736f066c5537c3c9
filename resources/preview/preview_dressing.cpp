#include "preview_dressing.h"

#include <QStringList>

#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

const char* const kKeyButtons[] = {
    "ConKeyWBtn",     "ConKeyABtn",    "ConKeySBtn",       "ConKeyDBtn",   "ConSpacebarSBtn",
    "ConMSRollUpBtn", "ConKeyHomeBtn", "ConMSRollDownBtn", "ConKeyEndBtn", "ConEnterBtn",
    "ConKeySetYBtn",  "ConKeySetBBtn", "ConKeySetABtn",    "ConKeySetXBtn"};
// The keys a freshly reset controller sends, in the order above.
const char* const kSampleKeys[] = {
    "Key_W.png",   "Key_A.png", "Key_S.png", "Key_D.png", "Space.png", "MS_UP.png", "Home.png",
    "MS_DOWN.png", "End.png",   "Enter.png", "Key_Y.png", "Key_B.png", "Key_A.png", "Key_X.png"};

struct LayoutData {
  const char* pictures[8];    // back nor/hot/press, control nor/hot/press, back page, control page
  const char* positions[14];  // in kKeyButtons order
};

const LayoutData kLayouts[3] = {
    {{"BackKeybtn_nor_New.png", "BackKeybtn_hot_New.png", "BackKeybtn_press_New.png",
      "ControlKey_nor_New.png", "ControlKey_hot_New.png", "ControlKey_press_New.png",
      "BackKeyNewBK.png", "ControlKeyNewBK.png"},
     {"258,41,0,0", "205,61, 0, 0", "258,82,0,0", "313,61,0,0", "122,178,0,0", "122,211,0,0",
      "122,241,0,0", "123,275,0,0", "123,306,0,0", "793,175,0,0", "793,208,0,0", "793,239,0,0",
      "793,270,0,0", "793,302,0,0"}},
    {{"T2802_21_MacroBtn_nor.png", "T2802_21_MacroBtn_hot.png", "T2802_21_MacroBtn_press.png",
      "T2802_21_MappingKey_nor.png", "T2802_21_MappingKey_hot.png", "T2802_21_MappingKey_press.png",
      "T2802-21_MacroKeyBK.png", "T2802-21_MappingKeyBK.png"},
     {"300,16,0,0", "246,36, 0, 0", "300,57,0,0", "354,36,0,0", "176,218,0,0", "176,250,0,0",
      "176,282,0,0", "176,314,0,0", "176,347,0,0", "736,172,0,0", "736,205,0,0", "736,236,0,0",
      "736,267,0,0", "736,299,0,0"}},
    {{"T2803_31_BackKeybtn_nor.png", "T2803_31_BackKeybtn_hot.png", "T2803_31_BackKeybtn_press.png",
      "T2803_31_ControlKey_nor.png", "T2803_31_ControlKey_hot.png", "T2803_31_ControlKey_press.png",
      "BackKeyBK_T2803_31.png", "CtrlKeyBK_T2803_31.png"},
     {"222,56,0,0", "169,76,0,0", "222,97,0,0", "276,76,0,0", "121,201,0,0", "121,234,0,0",
      "121,265,0,0", "121,298,0,0", "121,330,0,0", "792,276,0,0", "792,181,0,0", "792,212,0,0",
      "792,244,0,0", "792,149,0,0"}},
};

QString FileForm(const char* name) {
  return QStringLiteral("file='Resources/%1'").arg(QLatin1String(name));
}

void ApplyLayout(CPaintManagerUI& m, int layout) {
  if (layout < 1 || layout > 3) return;
  const LayoutData& d = kLayouts[layout - 1];
  const char* attrs[3] = {"normalimage", "hotimage", "pushedimage"};
  for (int i = 0; i < 3; ++i) {
    ui::SetAttribute(m.FindControl("BackKeybtn"), attrs[i], FileForm(d.pictures[i]));
    ui::SetAttribute(m.FindControl("ControlKeybtn"), attrs[i], FileForm(d.pictures[3 + i]));
  }
  ui::SetAttribute(m.FindControl("BackKeyDevBkgImg"), "bkimage", FileForm(d.pictures[6]));
  ui::SetAttribute(m.FindControl("ConKeyDevBkgImg"), "bkimage", FileForm(d.pictures[7]));
  for (int i = 0; i < 14; ++i) {
    ui::SetAttribute(m.FindControl(kKeyButtons[i]), "pos", d.positions[i]);
  }
}

void ApplyLanguage(CPaintManagerUI& m, bool zh, int layout) {
  const auto text = [&](const char* name, const QString& chinese, const QString& english) {
    ui::SetText(m.FindControl(name), zh ? chinese : english);
  };
  const auto attr = [&](const char* name, const char* attribute, const QString& chinese,
                        const QString& english) {
    ui::SetAttribute(m.FindControl(name), attribute, zh ? chinese : english);
  };
  text("BackKeyLabel", "背键功能自定义", "back button customization");
  text("ControlKeyLabel", "手柄键鼠模式按键自定义", "mouse model customization");
  attr("BackKeyLabel", "font", "0", "2");
  attr("ControlKeyLabel", "font", "0", "2");
  attr("BackKeyLabel", "width", "220", "270");
  attr("BackKeyLabel", "padding", "151,340,0,0", "120,340,0,0");
  attr("BackKeyHelpbtn", "pos", "352,342,0,0", "394,342,0,0");
  attr("ControlKeyLabel", "padding", "150,340,0,0", "156,340,0,0");
  for (const char* button : {"back", "Reduction", "Save"}) {
    const QString base = QString::fromLatin1(button);
    const QString control = base == "back" ? "Backbtn" : base + "btn";
    for (const char* state : {"nor", "hot", "press"}) {
      const QString attribute = QString::fromLatin1(state) == "nor"   ? "normalimage"
                                : QString::fromLatin1(state) == "hot" ? "hotimage"
                                                                      : "pushedimage";
      const QString file = base + "_" + state + ".png";
      ui::SetAttribute(m.FindControl(control), attribute, zh ? file : "en_" + file);
    }
  }
  text("VerLabel", "版本:1.11 固件:X107K215", "Ver:1.11 Firmware:X107K215");
  text("LeftKeyLabel", "左键: ", "Left-key:");
  text("RightKeyLabel", "右键: ", "Right-key:");
  if (layout == 2) {
    ui::SetText(m.FindControl("LeftKeyLabel"), "L4: ");
    ui::SetText(m.FindControl("RightKeyLabel"), "R4: ");
  }
  attr("VibLayout", "width", "140", "156");
  text("VibTitle", "震动:", "Rumble:");
  attr("LedColorLayout", "width", "480", "495");
  text("LedColorTitle", "颜色:", "Color:");
  attr("LedModeLayout", "width", "260", "275");
  text("LedModeTitle", "灯光:", "Status:");
  text("LedModeRotated", "幻彩", "Rotated");
  text("LedModeConstant", "常亮", "Constant");
  text("LedModeBreathed", "呼吸", "Breathed");
  for (const char* name : {"LedModeRotated", "LedModeConstant", "LedModeBreathed"}) {
    ui::SetFont(m.FindControl(name), zh ? 5 : 6);
  }
  text("RightAxesTitle", "右摇杆", "Right stick");
  text("RsCenterText", "中心", "Center");
  text("RsBoundaryText", "边界", "Boundary");
  text("LeftAxesTitle", "左摇杆", "Left stick");
  text("LsCenterText", "中心", "Center");
  text("LsBoundaryText", "边界", "Boundary");
}

void ShowMenu(CPaintManagerUI& m, bool show) {
  for (const char* name : {"BackKeybtn", "BackKeyLabel", "ControlKeybtn", "ControlKeyLabel",
                           "BackKeyHelpbtn", "ControlKeyHelpbtn"}) {
    ui::SetVisible(m.FindControl(name), show);
  }
}

void ShowPageButtons(CPaintManagerUI& m) {
  for (const char* name : {"Backbtn", "Reductionbtn", "Savebtn"}) {
    ui::SetVisible(m.FindControl(name), true);
  }
}

void ShowControlPage(CPaintManagerUI& m, int layout) {
  for (int i = 0; i < 14; ++i) {
    ui::SetVisible(m.FindControl(kKeyButtons[i]), true);
    ui::SetAttribute(m.FindControl(kKeyButtons[i]), "bkimage", kSampleKeys[i]);
  }
  ui::SetAttribute(m.FindControl("ConKeyWBtn"), "normalimage", "Key_push.png");
  ui::SetVisible(m.FindControl("ConKeyDevBkgImg"), true);
  ui::SetVisible(m.FindControl("VibLayout"), true);
  ui::SetAttribute(m.FindControl("Vib1"), "selected", "true");
  if (layout == 3) {
    ui::SetVisible(m.FindControl("LedColorLayout"), true);
    ui::SetVisible(m.FindControl("LedModeLayout"), true);
    ui::SetAttribute(m.FindControl("LedModeOnOff"), "selected", "true");
    ui::SetAttribute(m.FindControl("LedModeBreathed"), "selected", "true");
    ui::SetBorderColor(m.FindControl("LedColor12"), 0xFFFFFFFF);
  }
  if (layout >= 1) ui::SetVisible(m.FindControl("DeadZoneLayout"), true);
  ui::SetSliderValue(m.FindControl("LS_BoundaryDzSlider"), 90);
  ui::SetText(m.FindControl("LsBoundaryDzValue"), "90");
  ui::SetSliderValue(m.FindControl("RS_CenterDzSlider"), 5);
  ui::SetText(m.FindControl("RsCenterDzValue"), "5");
}

void ShowBackPage(CPaintManagerUI& m) {
  for (const char* name : {"BackKeyDevBkgImg", "LeftKeylayout", "RightKeylayout"}) {
    ui::SetVisible(m.FindControl(name), true);
  }
  ui::SetAttribute(m.FindControl("BackKeySet1Btn"), "bkimage", "Ctrl.png");
  ui::SetAttribute(m.FindControl("BackKeySet2Btn"), "bkimage", "Key_C.png");
  ui::SetAttribute(m.FindControl("BackKeySet5Btn"), "bkimage", "Rocker_A.png");
  ui::SetAttribute(m.FindControl("BackKeySet2Btn"), "normalimage", "Key_push.png");
  ui::SelectComboItem(m.FindControl("BackKeyTimeCombo1"), 1);
  for (int i = 2; i <= 6; ++i) {
    ui::SelectComboItem(m.FindControl(QStringLiteral("BackKeyTimeCombo%1").arg(i)), 0);
  }
}

}  // namespace

bool ParsePreviewScene(const QString& page, const QString& layout, const QString& language,
                       PreviewScene& scene) {
  if (page == "menu") {
    scene.page = PreviewScene::Page::kMenu;
  } else if (page == "control") {
    scene.page = PreviewScene::Page::kControlKeys;
  } else if (page == "back") {
    scene.page = PreviewScene::Page::kBackKeys;
  } else {
    return false;
  }
  bool ok = false;
  scene.layout = layout.toInt(&ok);
  if (!ok || scene.layout < 0 || scene.layout > 3) return false;
  if (language != "zh" && language != "en") return false;
  scene.chinese = language == "zh";
  return true;
}

void DressPreview(CPaintManagerUI& manager, const PreviewScene& scene) {
  ApplyLayout(manager, scene.layout);
  ApplyLanguage(manager, scene.chinese, scene.layout);
  if (scene.page == PreviewScene::Page::kMenu) return;
  ShowMenu(manager, false);
  ShowPageButtons(manager);
  if (scene.page == PreviewScene::Page::kControlKeys) {
    ShowControlPage(manager, scene.layout);
  } else {
    ShowBackPage(manager);
  }
}
