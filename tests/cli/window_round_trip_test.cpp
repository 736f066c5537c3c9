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
#include "device/report_protocol.h"
#include "emulator/state_file_lock.h"
#include "tests/app/app_test_env.h"
#include "tests/core/exchange_rig.h"
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
    if (!stateFile.empty()) {
      // A padctl run of its own on the state file, as `padctl --emulator FILE` is.
      std::string reason;
      auto emulator = MakeEmulatorWithStateFile(stateFile, &reason);
      if (!emulator) return -1;
      context.program.openController = [emulator] { return MakeEmulatorTransport(emulator); };
    }
    context.program.boardModel = [] { return std::string("T2803-31"); };
    context.pause = [](int) {};
    return RunCommand(*line, context);
  }

  // The window's emulator keeps its key map in a state file that padctl then opens too.
  void ShareStateFile() {
    stateFile = stateDir.filePath("controller.bin").toStdString();
    std::string error;
    ASSERT_TRUE(env.emulator->SaveState(stateFile, &error)) << error;
    env.emulator->SetPersistencePath(stateFile);
  }
  static std::uint16_t WordIn(const std::string& state, int slot) {
    std::string reason;
    auto emulator = MakeEmulatorWithStateFile(state, &reason);
    return emulator ? emulator->Word(slot) : 0xDEAD;
  }

  AppTestEnv env;
  std::ostringstream out, err;
  QTemporaryDir stateDir;
  std::string stateFile;
};

TEST_F(WindowRoundTripTest, SaveKeepsWhatPadctlWroteWhileThePageWasOpenInEitherOrder) {
  ShareStateFile();
  env.emulator->SetWord(33, 0);  // rumble off
  std::string error;
  ASSERT_TRUE(env.emulator->SaveState(stateFile, &error)) << error;
  auto window = env.MakeWindow();
  window->Deliver(ui::FocusChange::kGained);

  // The page is open, padctl writes, then the window edits kbm.w and saves.
  Click(*window, "ControlKeybtn");
  ASSERT_EQ(Padctl({"set", "l4.step1=F", "rumble=2", "kbm.s=Z"}), kExitDone) << err.str();
  Click(*window, "ConKeyWBtn");
  window->Deliver(KeyUp('Q', 0x10));
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "Saved successfully !");
  EXPECT_EQ(WordIn(stateFile, 25), 0x09);  // l4.step1 = F, on the page the window did not show
  EXPECT_EQ(WordIn(stateFile, 9), 0x1D);   // kbm.s = Z
  EXPECT_EQ(WordIn(stateFile, 33), 2);     // rumble, untouched by the window
  EXPECT_EQ(WordIn(stateFile, 8), 0x14);   // kbm.w = Q, the window's
  // The reloaded page shows the merged record.
  EXPECT_EQ(Attr(*window, "ConKeySBtn", "bkimage"), "Key_Z.png");
  EXPECT_EQ(Attr(*window, "Vib2", "selected"), "true");

  // The window edits first (rumble too), padctl writes the same settings, the window saves.
  Click(*window, "Backbtn");
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyWBtn");
  window->Deliver(KeyUp('E', 0x12));
  Click(*window, "Vib1");
  ASSERT_EQ(Padctl({"set", "l4.step1=G", "rumble=0", "kbm.s=X"}), kExitDone) << err.str();
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 2u);
  EXPECT_EQ(env.boxes[1].text, "Saved successfully !");
  EXPECT_EQ(WordIn(stateFile, 25), 0x0A);  // l4.step1 = G, padctl's
  EXPECT_EQ(WordIn(stateFile, 9), 0x1B);   // kbm.s = X, padctl's
  EXPECT_EQ(WordIn(stateFile, 33), 1);     // rumble: both changed it, the window's wins
  EXPECT_EQ(WordIn(stateFile, 8), 0x08);   // kbm.w = E, the window's
}

TEST_F(WindowRoundTripTest, SaveAloneWritesExactlyTheEditedRecordBetweenTwoReads) {
  RecordingTransport* recorder = nullptr;
  env.context.openController = [this, &recorder] {
    auto recording = std::make_unique<RecordingTransport>(std::move(env.plug->Open().transport));
    recorder = recording.get();
    return ControllerSearch(std::move(recording));
  };
  auto window = env.MakeWindow();
  window->Deliver(ui::FocusChange::kGained);
  Click(*window, "ControlKeybtn");
  Click(*window, "ConKeyWBtn");
  window->Deliver(KeyUp('Q', 0x10));
  Click(*window, "Vib2");
  Click(*window, "LedModeOnOff");
  const ControllerConfig edited = window->Device().config;
  const auto memoryBefore = env.emulator->Memory();
  ASSERT_NE(recorder, nullptr);
  recorder->sent.clear();
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "Saved successfully !");

  // What a plain write of the edited record sends, framed by the read before it and the read
  // back after it, which the page's reload shows without reading again.
  ExchangeRig plain;
  plain.emulator->SetMemory(memoryBefore);
  ASSERT_TRUE(plain.Read());
  plain.device.config = edited;
  ASSERT_TRUE(plain.Write());
  ASSERT_TRUE(plain.Read());
  EXPECT_EQ(recorder->sent, plain.recorder->sent);
  EXPECT_EQ(env.emulator->Memory(), plain.emulator->Memory());
  EXPECT_EQ(env.emulator->Word(8), 0x14);
  EXPECT_EQ(env.emulator->Word(33), 2);
  std::size_t writeBlocks = 0;
  for (const Report& report : recorder->sent) writeBlocks += report[2] == command::kWriteBlock;
  EXPECT_EQ(writeBlocks, 8u);
}

TEST_F(WindowRoundTripTest, SaveIsAFailureWhenTheReadBackDiffersOrTheControllerStaysBusy) {
  ShareStateFile();
  auto window = env.MakeWindow();
  window->Device().lockWait = std::chrono::milliseconds(50);
  Click(*window, "ControlKeybtn");
  Click(*window, "Vib2");
  ControllerEmulator::Faults faults;
  faults.stuckSlot = 33;  // the write is taken but rumble stays as it was
  env.emulator->SetFaults(faults);
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 1u);
  EXPECT_EQ(env.boxes[0].text, "Save failed !");
  EXPECT_EQ(Attr(*window, "Vib1", "selected"), "true");  // the reload shows what it holds

  env.emulator->SetFaults({});
  Click(*window, "Vib2");
  StateFileLock other(stateFile);  // another program in the middle of its exchange
  ASSERT_EQ(other.TryTake(), ExchangeLockAttempt::kTaken);
  Click(*window, "Savebtn");
  ASSERT_EQ(env.boxes.size(), 2u);
  EXPECT_EQ(env.boxes[1].text, "Save failed !");
  EXPECT_EQ(WordIn(stateFile, 33), 1);
}

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
