// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <sstream>

#include "cli/commands.h"
#include "emulator/controller_emulator.h"
#include "emulator/state_file_lock.h"
#include "sysinfo/system_language.h"
#include "sysinfo/window_marker.h"

// padctl among other programs that reach the same controller: the window, a second padctl,
// and programs that keep the controller for themselves.
namespace {

struct Outcome {
  int exit;
  std::string err;
};

class SharedControllerTest : public ::testing::Test {
 protected:
  Outcome Run(std::vector<std::string> args, const ControllerOpener& opener, bool chinese = false) {
    std::ostringstream out, err;
    Message error{};
    const auto line = ParseCommandLine(args, &error);
    EXPECT_TRUE(line) << RenderMessage(error, false);
    if (!line) return {-1, ""};
    CliContext context(out, err);
    context.program.openController = opener;
    context.program.languageId = [chinese] { return chinese ? kLangChinesePrc : kLangEnglishUs; };
    context.program.boardModel = [] { return std::string("T2803-31"); };
    context.pause = [](int) {};
    // The windows of this test are the markers in its folder.
    context.windowOpen = [this](const std::string& identity) {
      return WindowShows(identity, {{dir.path().toStdString(), geteuid()}});
    };
    context.lockWait = std::chrono::milliseconds(300);
    return {RunCommand(*line, context), err.str()};
  }
  // One program's view of the emulated controller in `state`: its own emulator, loaded when
  // the program starts, as `padctl --emulator` builds it.
  static ControllerOpener ProgramOn(const std::string& state) {
    std::string reason;
    auto emulator = MakeEmulatorWithStateFile(state, &reason);
    EXPECT_NE(emulator, nullptr) << reason;
    return [emulator] { return MakeEmulatorTransport(emulator, "emulator test"); };
  }
  std::string StateFile() const { return dir.filePath("controller.bin").toStdString(); }
  static std::uint16_t WordIn(const std::string& state, int slot) {
    std::string reason;
    auto emulator = MakeEmulatorWithStateFile(state, &reason);
    return emulator ? emulator->Word(slot) : 0xDEAD;
  }

  QTemporaryDir dir;
};

TEST_F(SharedControllerTest, TwoProgramsStartedTogetherBothLandTheirChange) {
  // Both load the file before either writes, as two padctl runs started at once do; each
  // must read what the other wrote once it has the controller, not what it loaded.
  const ControllerOpener first = ProgramOn(StateFile());
  const ControllerOpener second = ProgramOn(StateFile());
  EXPECT_EQ(Run({"set", "rumble=2"}, first).exit, kExitDone);
  EXPECT_EQ(Run({"set", "led.on=on"}, second).exit, kExitDone);
  EXPECT_EQ(WordIn(StateFile(), 33), 2);            // rumble
  EXPECT_EQ(WordIn(StateFile(), 34) & 0x01, 0x01);  // LED on bit
}

TEST_F(SharedControllerTest, AControllerHeldTooLongIsBusyNeverAHang) {
  const ControllerOpener program = ProgramOn(StateFile());
  ASSERT_EQ(Run({"set", "rumble=1"}, program).exit, kExitDone);
  {
    StateFileLock other(StateFile());  // another program in the middle of its exchange
    ASSERT_EQ(other.TryTake(), ExchangeLockAttempt::kTaken);
    const auto start = std::chrono::steady_clock::now();
    const Outcome busy = Run({"set", "rumble=2"}, program);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(busy.exit, kExitController);
    EXPECT_EQ(busy.err,
              "padctl: controller busy: another program has held it for more than a few "
              "seconds; nothing was done, try again later\n");
    EXPECT_GE(waited, std::chrono::milliseconds(300));
    EXPECT_LT(waited, std::chrono::milliseconds(2000));
    EXPECT_EQ(WordIn(StateFile(), 33), 1);
    EXPECT_EQ(Run({"show"}, program, true).err,
              "padctl: 手柄忙：另一个程序占用它已超过数秒，未做任何操作；请稍后再试\n");
  }
  EXPECT_EQ(Run({"set", "rumble=2"}, program).exit, kExitDone);
  EXPECT_EQ(WordIn(StateFile(), 33), 2);
}

TEST_F(SharedControllerTest, AWriteWarnsWhenAWindowShowsThatControllerOrStateFile) {
  const ControllerOpener program = ProgramOn(StateFile());
  WindowMarker window;
  // The window names the file another way; it is the same file, replaced by every save.
  const std::string sameFile = dir.filePath("./sub/../controller.bin").toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  window.Show(StateFileIdentity(sameFile), dir.path().toStdString());
  EXPECT_EQ(Run({"--emulator", StateFile(), "set", "rumble=2"}, program).err,
            "padctl: warning: the PadControls demo window is open on emulator test; its next "
            "Save keeps this change except for settings changed there too\n"
            "padctl: written and verified (64 slots)\n");
  EXPECT_EQ(Run({"set", "rumble=1"}, program, true).err,
            "padctl: 警告：PadControls 设置窗口已在 emulator test "
            "上打开，它下次保存时会保留这次的更改，除非在窗口中也改了同一设置\n"
            "padctl: 已写入并校验（64 个槽位）\n");
  // Reading changes nothing the window could undo.
  EXPECT_EQ(Run({"show"}, program).err, "");
  // A window on another state file, or one that has ended, is no reason to warn.
  window.Show(StateFileIdentity(dir.filePath("other.bin").toStdString()), dir.path().toStdString());
  EXPECT_EQ(Run({"set", "rumble=0"}, program).err, "padctl: written and verified (64 slots)\n");
  window.Show(StateFileIdentity(StateFile()), dir.path().toStdString());
  window.Drop();
  EXPECT_EQ(Run({"set", "rumble=2"}, program).err, "padctl: written and verified (64 slots)\n");
}

TEST_F(SharedControllerTest, ANodeThatCannotBeOpenedSaysWhatTheWindowSays) {
  const auto denied = [](bool taken) {
    return [taken] {
      ControllerSearch search;
      search.deniedNode = "/dev/hidraw5";
      search.deniedNodeTaken = taken;
      return search;
    };
  };
  Outcome outcome = Run({"info"}, denied(false));
  EXPECT_EQ(outcome.exit, kExitController);
  EXPECT_EQ(outcome.err,
            "padctl: No permission to open the controller: install the udev rule "
            "70-padcontrols.rules, or run the install step in the README.\n");
  outcome = Run({"set", "rumble=2"}, denied(true));
  EXPECT_EQ(outcome.exit, kExitController);
  EXPECT_EQ(outcome.err,
            "padctl: Another program has taken the controller and hidden it from users: quit "
            "that program or stop its service to let the controller go, then try again.\n");
  EXPECT_EQ(
      Run({"show"}, denied(true), true).err,
      "padctl: 另一个程序占用了控制器并对用户隐藏了它：请退出该程序或停止它的服务以释放控制器，"
      "然后再试。\n");
}

}  // namespace
