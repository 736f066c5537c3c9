// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTemporaryDir>
#include <sstream>

#include "cli/backup_file.h"
#include "cli/commands.h"
#include "cli/named_settings.h"
#include "tests/app/app_test_env.h"
#include "ui/controls.h"

// The window and padctl on one emulated controller: what one writes the other reads.
namespace {

class WindowRoundTripTest : public ::testing::Test {
 protected:
  int Padctl(std::vector<std::string> args) {
    out.str("");
    err.str("");
    Message error{};
    const auto line = ParseCommandLine(args, &error);
    if (!line) return -1;
    CliContext context(out, err);
    context.program = env.context;  // the same emulated controller as the window's
    context.program.boardModel = [] { return std::string("T2803-31"); };
    context.pause = [](int) {};
    return RunCommand(*line, context);
  }

  AppTestEnv env;
  std::ostringstream out, err;
};

TEST_F(WindowRoundTripTest, WhatTheWindowSavesPadctlShows) {
  auto window = env.MakeWindow();
  window->Deliver(ui::FocusChange::kGained);
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyABtn");
  window->Deliver(KeyUp('F', 0x21));
  Click(*window, "Vib2");
  Click(*window, "LedModeOnOff");
  Click(*window, "LedModeBreathed");
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 1u);
  ASSERT_EQ(env.boxes[0].text, "Saved successfully !");

  ASSERT_EQ(Padctl({"show", "--json"}), kExitDone) << err.str();
  const QJsonObject shown = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
  EXPECT_EQ(shown, NamedView(window->Device().config));
  EXPECT_EQ(shown.value("kbm.a").toString(), "F");
  EXPECT_EQ(shown.value("rumble").toInt(), 2);
  EXPECT_EQ(shown.value("led.on").toBool(), true);
  EXPECT_EQ(shown.value("led.effect").toString(), "breathing");
}

TEST_F(WindowRoundTripTest, ASaveTheStateFileDoesNotTakeIsASaveFailed) {
  QTemporaryDir dir;
  env.emulator->SetPersistencePath(dir.filePath("missing/state.bin").toStdString());
  auto window = env.MakeWindow();
  Click(*window, "ControlKeybtn");
  Click(*window, "Vib2");
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "Save failed !");
  EXPECT_EQ(env.emulator->Word(33), 1);
}

TEST_F(WindowRoundTripTest, WhatPadctlRestoresTheWindowShows) {
  ControllerConfig config;
  config.LoadDefaults();
  config.SetCode(25, 0x09);    // l4.step1 = F
  config.SetCode(26, 0xFF05);  // l4.step2 = gamepad A
  config.SetCode(33, 2);
  config.SetCode(36, PackDeadZones(5, 30));
  QTemporaryDir dir;
  const QString path = dir.filePath("b.json");
  QSaveFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(EncodeBackup({"X107K215", "T2803-31", WrittenSlots(config)}));
  ASSERT_TRUE(file.commit());

  ASSERT_EQ(Padctl({"restore", path.toStdString()}), kExitDone) << err.str();

  auto window = env.MakeWindow();
  Click(*window, "BackKeybtn");
  EXPECT_EQ(Attr(*window, "BackKeySet1Btn", "bkimage"), "Key_F.png");
  EXPECT_EQ(Attr(*window, "BackKeySet2Btn", "bkimage"), "Rocker_A.png");
  Click(*window, "Backbtn");
  Click(*window, "ControlKeybtn");
  EXPECT_EQ(Attr(*window, "Vib2", "selected"), "true");
  EXPECT_EQ(ui::GetText(Control(*window, "LsCenterDzValue")), "5");
  EXPECT_EQ(ui::GetText(Control(*window, "LsBoundaryDzValue")), "30");
  EXPECT_TRUE(env.boxes.empty());
}

}  // namespace
