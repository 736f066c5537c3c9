// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the main window, and both settings pages, for every layout and an unknown model in
// both languages as PNG files in the build's "screenshots" folder, for a person to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "app/key_picker_popup.h"
#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

// A scaled run (QT_SCALE_FACTOR=2) shows how the window looks on a high-DPI screen.
QString ShotFolder() {
  const QString scale = QString::fromLocal8Bit(qgetenv("QT_SCALE_FACTOR"));
  const QString suffix = scale.isEmpty() || scale == "1" ? QString() : "@" + scale + "x";
  return CPaintManagerUI::GetInstancePath() + "screenshots" + suffix;
}

void Save(MainWindow& window, const QString& name) {
  QApplication::processEvents();
  const QPixmap shot = window.GetHost()->grab();
  ASSERT_FALSE(shot.isNull());
  const QString file = ShotFolder() + "/" + name + ".png";
  EXPECT_TRUE(shot.save(file)) << file.toStdString();
}

TEST(Screenshots, MainWindowPerModelAndLanguage) {
  ASSERT_TRUE(QDir().mkpath(ShotFolder()));
  AppTestEnv env;
  for (const char* model : {"T2804-11", "T2802-21", "T2803-31", "Unknown"}) {
    for (const char* lang : {"en", "zh"}) {
      env.SetModel(model);
      env.SetLanguage(QString(lang) == "zh" ? kLangChinesePrc : kLangEnglishUs);
      auto window = env.MakeWindow();
      window->ShowWindow(true);
      const QString base = QString("%1_%2").arg(model, lang);
      Save(*window, "main_" + base);
      window->LoadControlKeyPage();
      Save(*window, "controlkeys_" + base);
      window->ShowControlKeyPage(false);
      window->ShowPageButtons(false);
      window->LoadBackKeyPage();
      Save(*window, "backkeys_" + base);
      window->ShowWindow(false);
    }
  }
  EXPECT_TRUE(env.boxes.empty());
}

// A real mouse click on the control's widget, so the toolkit's own option handling runs too.
void MouseClick(MainWindow& window, const char* name) {
  CControlUI* control = Control(window, name);
  ASSERT_NE(control, nullptr) << name;
  QTest::mouseClick(control->GetWidget(), Qt::LeftButton);
}

// Both pages after a few edits, with a slot still armed, as a user sees them before Save.
TEST(Screenshots, PagesAfterEdits) {
  ASSERT_TRUE(QDir().mkpath(ShotFolder()));
  AppTestEnv env;
  for (const char* lang : {"en", "zh"}) {
    env.SetLanguage(QString(lang) == "zh" ? kLangChinesePrc : kLangEnglishUs);
    auto window = env.MakeWindow();
    window->ShowWindow(true);
    window->Deliver(ui::FocusChange::kGained);
    MouseClick(*window, "BackKeybtn");
    MouseClick(*window, "BackKeySet2Btn");
    window->Deliver(KeyUp('Q', 0x10));
    MouseClick(*window, "BackKeySet3Btn");
    window->Deliver(KeyUp(0x11, 0x1D, true));
    ui::SelectComboItem(Control(*window, "BackKeyTimeCombo1"), 1);
    MouseClick(*window, "BackKeySet4Btn");
    Save(*window, QString("edited_backkeys_%1").arg(lang));
    MouseClick(*window, "Backbtn");

    MouseClick(*window, "ControlKeybtn");
    MouseClick(*window, "Vib2");
    MouseClick(*window, "LedModeOnOff");
    MouseClick(*window, "LedModeBreathed");
    MouseClick(*window, "LedColor8");
    ui::SetSliderValue(Control(*window, "LS_CenterDzSlider"), 12);
    TNotifyUI moved;
    moved.sType = QStringLiteral("valuechanged");
    moved.pSender = Control(*window, "LS_CenterDzSlider");
    window->Notify(moved);
    MouseClick(*window, "ConKeyABtn");
    window->Deliver(KeyUp('F', 0x21));
    Save(*window, QString("edited_controlkeys_%1").arg(lang));
    window->ShowWindow(false);
  }
  EXPECT_TRUE(env.boxes.empty());
}

// The key picker open over each page, as a finger holding a key slot opens it.
TEST(Screenshots, KeyPickerOpen) {
  ASSERT_TRUE(QDir().mkpath(ShotFolder()));
  AppTestEnv env;
  for (const char* lang : {"en", "zh"}) {
    env.SetLanguage(QString(lang) == "zh" ? kLangChinesePrc : kLangEnglishUs);
    auto window = env.MakeWindow();
    window->ShowWindow(true);
    for (const auto& [page, slot] :
         {std::pair{"BackKeybtn", "BackKeySet2Btn"}, std::pair{"ControlKeybtn", "ConKeyWBtn"}}) {
      Click(*window, page);
      TNotifyUI menu;
      menu.sType = QStringLiteral("menu");
      menu.pSender = Control(*window, slot);
      window->Notify(menu);
      ASSERT_NE(window->OpenPicker(), nullptr) << slot;
      Save(*window, QString("picker_%1_%2").arg(slot, lang));
      window->OpenPicker()->close();
      MouseClick(*window, "Backbtn");
    }
    window->ShowWindow(false);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Real X when there is a display (CI runs this under Xvfb), offscreen otherwise.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
