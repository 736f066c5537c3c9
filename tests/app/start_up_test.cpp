// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>

#include "app/main_window.h"
#include "device/controller_device.h"
#include "link/debug_trace.h"
#include "keys/key_slots.h"
#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"

namespace {

// Every control the window works with, as the skin must name it.
std::vector<std::string> AllControlNames() {
  std::vector<std::string> names = {"closebtn",
                                    "minbtn",
                                    "BackKeybtn",
                                    "BackKeyLabel",
                                    "BackKeyHelpbtn",
                                    "ControlKeybtn",
                                    "ControlKeyLabel",
                                    "ControlKeyHelpbtn",
                                    "Backbtn",
                                    "Reductionbtn",
                                    "Savebtn",
                                    "BackKeyDevBkgImg",
                                    "LeftKeylayout",
                                    "RightKeylayout",
                                    "LeftKeyLabel",
                                    "RightKeyLabel",
                                    "LeftKeyTimeCombo1",
                                    "ConKeyDevBkgImg",
                                    "ConKeyABtn",
                                    "ConKeyDBtn",
                                    "ConKeyWBtn",
                                    "ConKeySBtn",
                                    "ConMSRollUpBtn",
                                    "ConKeyHomeBtn",
                                    "ConMSRollDownBtn",
                                    "ConKeyEndBtn",
                                    "ConKeySetXBtn",
                                    "ConKeySetYBtn",
                                    "ConKeySetBBtn",
                                    "ConKeySetABtn",
                                    "ConSpacebarSBtn",
                                    "ConEnterBtn",
                                    "VibLayout",
                                    "VerLabel",
                                    "VibTitle",
                                    "Vib0",
                                    "Vib1",
                                    "Vib2",
                                    "LedColorLayout",
                                    "LedModeLayout",
                                    "LedColorTitle",
                                    "LedModeTitle",
                                    "LedModeOnOff",
                                    "LedModeRotated",
                                    "LedModeConstant",
                                    "LedModeBreathed",
                                    "DeadZoneLayout",
                                    "RS_CenterDzSlider",
                                    "RS_BoundaryDzSlider",
                                    "LS_CenterDzSlider",
                                    "LS_BoundaryDzSlider",
                                    "RsCenterDzValue",
                                    "RsBoundaryDzValue",
                                    "LsCenterDzValue",
                                    "LsBoundaryDzValue",
                                    "RightAxesTitle",
                                    "RsCenterText",
                                    "RsBoundaryText",
                                    "LeftAxesTitle",
                                    "LsCenterText",
                                    "LsBoundaryText"};
  for (int i = 1; i <= 8; ++i) names.push_back("BackKeySet" + std::to_string(i) + "Btn");
  for (int i = 1; i <= 6; ++i) names.push_back("BackKeyTimeCombo" + std::to_string(i));
  for (int i = 0; i <= 12; ++i) names.push_back("LedColor" + std::to_string(i));
  return names;
}

class StartUpTest : public ::testing::Test {
 protected:
  AppTestEnv env;
};

TEST_F(StartUpTest, FreshWindowState) {
  MainWindow window(env.context);
  EXPECT_EQ(window.SkinFileName(), "XmlMainWindow.xml");
  EXPECT_EQ(window.WindowClassName(), "PadControlsMainWnd");
  EXPECT_EQ(window.SelectedSlot(), 0xFFFFu);
  EXPECT_EQ(window.CurrentPage(), Page::kMainMenu);
  EXPECT_TRUE(window.FirmwareText().isEmpty());
  EXPECT_FALSE(window.HasFocus());
  EXPECT_FALSE(window.Started());
}

TEST_F(StartUpTest, SkinHasEveryControl) {
  auto window = env.MakeWindow();
  for (const std::string& name : AllControlNames()) {
    EXPECT_NE(Control(*window, name.c_str()), nullptr) << name;
  }
}

TEST_F(StartUpTest, SuccessfulStartShowsOnlyTheMainMenu) {
  auto window = env.MakeWindow();
  EXPECT_TRUE(env.boxes.empty());
  EXPECT_EQ(window->CurrentPage(), Page::kMainMenu);
  EXPECT_EQ(window->SelectedSlot(), 0xFFFFu);
  for (const char* name : {"BackKeybtn", "BackKeyLabel", "ControlKeybtn", "ControlKeyLabel",
                           "BackKeyHelpbtn", "ControlKeyHelpbtn"}) {
    EXPECT_TRUE(ui::IsVisible(Control(*window, name))) << name;
  }
  std::vector<std::string> hidden = {"Backbtn",          "Reductionbtn",  "Savebtn",
                                     "BackKeyDevBkgImg", "LeftKeylayout", "RightKeylayout",
                                     "ConKeyDevBkgImg",  "VibLayout",     "LedColorLayout",
                                     "LedModeLayout",    "DeadZoneLayout"};
  for (int i = 1; i <= 8; ++i) hidden.push_back("BackKeySet" + std::to_string(i) + "Btn");
  for (int i = 1; i <= 6; ++i) hidden.push_back("BackKeyTimeCombo" + std::to_string(i));
  for (const SlotButton& button : SlotButtons()) hidden.push_back(button.buttonName);
  for (const std::string& name : hidden) {
    EXPECT_FALSE(ui::IsVisible(Control(*window, name.c_str()))) << name;
  }
  EXPECT_EQ(window->FirmwareText(), "X107K215");
  EXPECT_EQ(ui::GetText(Control(*window, "VerLabel")), "Ver:1.11 Firmware:X107K215");
}

TEST_F(StartUpTest, NoControllerTellsTheUserAndQuits) {
  env.Unplug();
  for (std::uint16_t lang : {kLangEnglishUs, kLangChinesePrc}) {
    env.boxes.clear();
    env.SetLanguage(lang);
    auto window = env.MakeWindow();
    ASSERT_EQ(env.boxes.size(), 1u);
    const bool chinese = lang == kLangChinesePrc;
    EXPECT_EQ(env.boxes[0].text, chinese ? "初始化失败" : "initialization failed");
    EXPECT_EQ(env.boxes[0].caption, chinese ? "提示" : "prompt");
    EXPECT_EQ(env.boxes[0].owner, window->GetHost());
    EXPECT_NE(env.boxes[0].owner, nullptr);
    // The quit was posted during creation: the loop ends at once with 0.
    EXPECT_EQ(RunLoopFor(3000), 0);
    // Before the controller is read the label carries the prefix alone; no tooltips.
    EXPECT_EQ(ui::GetText(Control(*window, "VerLabel")),
              chinese ? "版本:1.11 固件:" : "Ver:1.11 Firmware:");
    EXPECT_TRUE(Attr(*window, "BackKeyHelpbtn", "tooltip").isEmpty());
    EXPECT_TRUE(Attr(*window, "ControlKeyHelpbtn", "tooltip").isEmpty());
  }
}

TEST_F(StartUpTest, UnreadableControllerIsAnInitFailureToo) {
  ControllerEmulator::Faults faults;
  faults.wrongReadChecksum = true;
  env.emulator->SetFaults(faults);
  auto window = env.MakeWindow();
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "initialization failed");
  EXPECT_EQ(RunLoopFor(3000), 0);
}

// A window whose skin file is not the program's.
class OtherSkinWindow : public MainWindow {
 public:
  using MainWindow::MainWindow;
  QString SkinFileName() override { return skin; }
  static inline QString skin;
};

TEST_F(StartUpTest, MissingOrBrokenSkinIsToldAndNothingElseHappens) {
  QTemporaryDir folder;
  const QString broken = folder.filePath(QStringLiteral("broken.xml"));
  QFile file(broken);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<Window size=\"10,10\"><Label name=\"a\"></Window>");
  file.close();
  for (const QString& skin : {folder.filePath(QStringLiteral("missing.xml")), broken}) {
    for (std::uint16_t lang : {kLangEnglishUs, kLangChinesePrc}) {
      env.boxes.clear();
      env.SetLanguage(lang);
      OtherSkinWindow::skin = skin;
      auto window = env.MakeWindow<OtherSkinWindow>();
      ASSERT_EQ(env.boxes.size(), 1u) << skin.toStdString();
      EXPECT_EQ(env.boxes[0].text,
                lang == kLangChinesePrc
                    ? "窗口皮肤文件 Resources/XmlMainWindow.xml 缺失或已损坏，请重新安装程序。"
                    : "The window's skin Resources/XmlMainWindow.xml is missing or damaged: "
                      "reinstall the program.");
      EXPECT_EQ(RunLoopFor(3000), 0);
    }
  }
  EXPECT_EQ(env.emulator->GetCounters().sends, 0);  // the controller was not touched
}

// A node that a kernel before 5.11 opens but cannot send reports to.
class OldKernelTransport final : public ReportTransport {
 public:
  bool SendOutputReport(const Report&) override { return false; }
  bool GetInputReport(Report&) override { return false; }
  TransportFault LastFault() const override { return TransportFault::kUnsupported; }
};

TEST_F(StartUpTest, FailureSaysWhyWhenTheSystemToldWhy) {
  // In both languages: the one start-up box says this, and the program still ends with 0.
  const auto expectStartFailureSays = [this](const char* chinese, const char* english) {
    for (std::uint16_t lang : {kLangEnglishUs, kLangChinesePrc}) {
      env.boxes.clear();
      env.SetLanguage(lang);
      auto window = env.MakeWindow();
      ASSERT_EQ(env.boxes.size(), 1u);
      EXPECT_EQ(env.boxes[0].text, QString::fromUtf8(lang == kLangChinesePrc ? chinese : english));
      EXPECT_EQ(RunLoopFor(3000), 0);
    }
  };
  std::vector<std::wstring> trace;
  env.context.trace = [&trace](const std::wstring& line) { trace.push_back(line); };
  env.context.openController = [] {
    ControllerSearch search;
    search.deniedNode = "/dev/hidraw3";
    return search;
  };
  expectStartFailureSays(
      "初始化失败\n没有打开控制器的权限：请安装 udev 规则 70-padcontrols.rules，"
      "或执行 README 中的安装步骤。",
      "initialization failed\nNo permission to open the controller: install the "
      "udev rule 70-padcontrols.rules, or run the install step in the README.");
  EXPECT_NE(
      std::find(trace.begin(), trace.end(), L"OpenController: no permission to open /dev/hidraw3"),
      trace.end());

  // Hidden by another program: not the udev hint, which would not help.
  env.context.openController = [] {
    ControllerSearch search;
    search.deniedNode = "/dev/hidraw4";
    search.deniedNodeTaken = true;
    return search;
  };
  expectStartFailureSays(
      "初始化失败\n另一个程序占用了控制器并对用户隐藏了它：请退出该程序或停止它的服务"
      "以释放控制器，然后再试。",
      "initialization failed\nAnother program has taken the controller and hidden "
      "it from users: quit that program or stop its service to let the controller "
      "go, then try again.");
  EXPECT_NE(std::find(trace.begin(), trace.end(),
                      L"OpenController: another program hid /dev/hidraw4 from users"),
            trace.end());

  env.context.openController = [] {
    return ControllerSearch(std::make_unique<OldKernelTransport>());
  };
  env.boxes.clear();
  env.SetLanguage(kLangEnglishUs);
  auto window = env.MakeWindow();
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text,
            "initialization failed\nThe system's kernel cannot exchange HID reports with the "
            "controller: Linux 5.11 or newer is needed.");
  EXPECT_EQ(RunLoopFor(3000), 0);
}

TEST_F(StartUpTest, FocusTogglesTheCaptureFlag) {
  auto window = env.MakeWindow();
  EXPECT_FALSE(window->HasFocus());
  EXPECT_TRUE(window->Deliver(ui::FocusChange::kGained));
  EXPECT_TRUE(window->HasFocus());
  EXPECT_TRUE(window->Deliver(ui::FocusChange::kLost));
  EXPECT_FALSE(window->HasFocus());
  window->Deliver(ui::FocusChange::kGained);
  EXPECT_TRUE(window->HasFocus());
}

TEST_F(StartUpTest, ACloseRequestQuitsWithoutHidingTheWindow) {
  auto window = env.MakeWindow();
  window->ShowWindow(true);
  EXPECT_EQ(RunLoopFor(100), 99);  // nothing quits by itself
  // The window manager's close: the window ends the loop and stays as it is until then.
  window->GetHost()->close();
  EXPECT_TRUE(window->GetHost()->isVisible());
  EXPECT_EQ(RunLoopFor(3000), 0);
  EXPECT_TRUE(window->Deliver(ui::CloseRequest{}));
  EXPECT_EQ(RunLoopFor(3000), 0);
}

// Exactly one swatch is outlined, the stored colour's, however many were marked before.
TEST_F(StartUpTest, MarkColourSwatchOutlinesOnlyTheStoredColour) {
  auto window = env.MakeWindow();
  const auto swatch = [&](std::size_t i) {
    return Control(*window, ("LedColor" + std::to_string(i)).c_str());
  };
  const auto outlined = [&] {
    std::vector<std::size_t> marked;
    for (std::size_t i = 0; i < 13; ++i) {
      if ((swatch(i)->GetBorderColor() >> 24) != 0) marked.push_back(i);
    }
    return marked;
  };
  window->MarkColourSwatch(0x00FF00);
  EXPECT_EQ(outlined(), std::vector<std::size_t>{6});
  EXPECT_EQ(swatch(6)->GetBorderColor(), 0xFFFFFFFFu);
  window->MarkColourSwatch(0xFF0000);
  EXPECT_EQ(outlined(), std::vector<std::size_t>{0});
  window->MarkColourSwatch(0x123456);
  EXPECT_EQ(outlined(), std::vector<std::size_t>{});
  // Each swatch shows its own colour of the palette: marking that colour outlines it alone.
  const std::uint32_t palette[13] = {0xFF0000, 0xFF3300, 0xFF6600, 0xFF9900, 0xFFFF00,
                                     0x99FF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0x6600FF,
                                     0xFF00FF, 0xFF0066, 0xFFFFFF};
  for (std::size_t i = 0; i < 13; ++i) {
    window->MarkColourSwatch(palette[i]);
    EXPECT_EQ(outlined(), std::vector<std::size_t>{i});
  }
}

TEST_F(StartUpTest, SetSlotImageTouchesOnlyThatSlotsButton) {
  auto window = env.MakeWindow();
  auto snapshot = [&] {
    std::vector<QString> values;
    for (const SlotButton& button : SlotButtons()) {
      values.push_back(Attr(*window, button.buttonName, "bkimage") + "|" +
                       Attr(*window, button.buttonName, "hotimage"));
    }
    return values;
  };
  const auto before = snapshot();
  window->SetSlotImage(14, "Key_Q.png");
  window->SetSlotImage(0xFFFF, "Key_Q.png");
  EXPECT_EQ(snapshot(), before);
  window->SetSlotImage(5, "Key_Q.png");
  const auto after = snapshot();
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (std::string(SlotButtons()[i].buttonName) == "ConKeySetBBtn") {
      EXPECT_EQ(after[i], "Key_Q.png|Key_hot.png");
    } else {
      EXPECT_EQ(after[i], before[i]) << SlotButtons()[i].buttonName;
    }
  }
}

}  // namespace
