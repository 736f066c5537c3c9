// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "cli/commands.h"
#include "cli/report_trace.h"
#include "device/controller_device.h"
#include "emulator/controller_emulator.h"
#include "settings/record_rules.h"
#include "sysinfo/system_language.h"

// padctl's commands run in process against the emulator, as `padctl --emulator` wires them.
namespace {

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() : emulator(std::make_shared<ControllerEmulator>()) {}

  int Run(std::vector<std::string> args, bool chinese = false) {
    out.str("");
    err.str("");
    Message error{};
    const auto line = ParseCommandLine(args, &error);
    EXPECT_TRUE(line) << RenderMessage(error, false);
    if (!line) return -1;
    CliContext context(data != nullptr ? *data : out, err);
    context.outputError = [this] { return dataError; };
    context.controllerFile = controllerFile;
    context.program.openController = [this]() -> ControllerSearch {
      if (unplugged) return {};
      return MakeEmulatorTransport(emulator, "emulator test");
    };
    context.program.languageId = [chinese] { return chinese ? kLangChinesePrc : kLangEnglishUs; };
    context.program.boardModel = [this] { return board; };
    context.pause = [](int) {};
    context.confirm = confirm;
    return RunCommand(*line, context);
  }
  std::string File(const char* name) { return dir.filePath(name).toStdString(); }
  void WriteFile(const char* name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QByteArray ReadFile(const char* name) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }
  int Writes() const { return emulator->GetCounters().sendsByCommand[0x20]; }

  std::shared_ptr<ControllerEmulator> emulator;
  bool unplugged = false;
  std::string board = "T2803-31";
  std::function<bool()> confirm;
  std::ostringstream out, err;
  std::ostream* data = nullptr;  // instead of `out`
  int dataError = 0;             // what the data stream's failure was
  std::optional<std::string> controllerFile;
  QTemporaryDir dir;
};

TEST_F(CommandsTest, BackupChangeAndRestoreBringBackEverySlot) {
  emulator->SetWord(17, 0x1234);  // controller data the tool never edits
  emulator->SetWord(50, 0xBEEF);
  emulator->SetWord(36, 0x5A05);
  const auto original = emulator->Memory();

  ASSERT_EQ(Run({"backup", File("b.json")}), kExitDone) << err.str();
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(Run({"set", "l4.step1=F", "r4.step4=Rocker_A", "rumble=2", "led.color=#00ff80",
                 "led.on=on", "left-stick.center=7"}),
            kExitDone)
      << err.str();
  EXPECT_EQ(err.str(), "padctl: written and verified (64 slots)\n");
  EXPECT_EQ(emulator->Word(25), 0x09);
  EXPECT_EQ(emulator->Word(32), 0xFF05);
  EXPECT_EQ(emulator->Word(33), 2);
  EXPECT_EQ(emulator->Word(34), 0x0001);
  EXPECT_EQ(emulator->Word(35), 0x80FF);
  EXPECT_EQ(emulator->Word(36), 0x5A07);
  EXPECT_EQ(emulator->Word(17), 0x1234);

  ASSERT_EQ(Run({"show", "--json"}), kExitDone);
  const QJsonObject shown = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
  EXPECT_EQ(shown.value("l4.step1").toString(), "F");
  EXPECT_EQ(shown.value("led.color").toString(), "#00FF80");
  EXPECT_EQ(shown.value("left-stick.boundary").toInt(), 90);

  EXPECT_EQ(Run({"restore", File("b.json")}), kExitDone) << err.str();
  const auto restored = emulator->Memory();
  for (std::size_t slot = 0; slot < 128; ++slot) EXPECT_EQ(restored[slot], original[slot]) << slot;
}

TEST_F(CommandsTest, ABackupOfValuesRestoreRefusesSaysSoAtOnce) {
  emulator->SetWord(9, 0x53);
  EXPECT_EQ(Run({"backup", File("b.json")}), kExitDone);
  EXPECT_EQ(err.str(),
            "padctl: backup saved to " + File("b.json") +
                "\npadctl: note: the controller holds values that restore refuses, so this "
                "backup cannot be restored as it is:\n"
                "padctl: slot 9 (kbm.s): 0x0053 is not a key of the vocabulary\n");
  EXPECT_EQ(Run({"restore", File("b.json")}), kExitUsage);
}

TEST_F(CommandsTest, BadInputSaysWhyAndWritesNothing) {
  ASSERT_EQ(Run({"backup", File("b.json")}), kExitDone);
  const QByteArray good = ReadFile("b.json");
  WriteFile("truncated.json", good.left(good.size() - 40));
  WriteFile("v2.json", QByteArray(good).replace("\"formatVersion\": 1", "\"formatVersion\": 2"));
  WriteFile("nokey.json", QByteArray(good)
                              .replace("\"slots\": [\n        232", "\"slots\": [\n        83")
                              .replace("\"kbm.wheel-up\": \"MS_UP\",", ""));
  WriteFile("big.json", good + QByteArray((1 << 20) + 1 - good.size(), ' '));
  emulator->ResetCounters();

  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"restore", File("truncated.json")}, "is not complete JSON"},
      {{"restore", File("v2.json")}, "has format version 2; this padctl reads version 1"},
      {{"restore", File("nokey.json")},
       "slot 0 (kbm.wheel-up): 0x0053 is not a key of the vocabulary"},
      {{"restore", File("missing.json")},
       "cannot read " + File("missing.json") +
           ": No such file or directory\npadctl: nothing was written\n"},
      {{"restore", File("big.json")},
       "big.json is too large (1048577 bytes; a backup is at most 1048576)\n"
       "padctl: nothing was written\n"},
      {{"set", "rumble=1", "rumble=3"}, "rumble: 3 is not a whole number from 0 to 2"},
      {{"set", "rumble=2", "kbm.w=Q", "rumble=2"}, "padctl: rumble is given more than once\n"},
      {{"set", "kbm.w=Q", "turbo=on"}, "unknown setting: turbo"},
      {{"set", "l4.step1"}, "expected NAME=VALUE, not l4.step1"},
      {{"reset"}, "add --yes to confirm"},
  };
  for (const auto& [args, message] : cases) {
    EXPECT_EQ(Run(args), kExitUsage) << args[1];
    EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "");
  }
  EXPECT_EQ(Writes(), 0);

  confirm = [] { return false; };
  EXPECT_EQ(Run({"reset"}), kExitUsage);
  EXPECT_NE(err.str().find("nothing was written"), std::string::npos);
  EXPECT_EQ(Writes(), 0);

  unplugged = true;
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"info"}, {"show"}, {"set", "rumble=2"}, {"restore", File("b.json")}}) {
    EXPECT_EQ(Run(args), kExitController) << args[0];
    EXPECT_EQ(err.str(), "padctl: no controller found\n");
  }
  EXPECT_EQ(Run({"info"}, true), kExitController);
  EXPECT_EQ(err.str(), "padctl: 未找到手柄\n");
}

TEST_F(CommandsTest, ABoardModelWithControlCharactersIsShownEscaped) {
  board = "T28\x1B[2J\r\nboard     fake";
  EXPECT_EQ(Run({"info"}), kExitDone);
  EXPECT_NE(out.str().find("board     T28\\x1B[2J\\x0D\\x0Aboard     fake\nlayout    none"),
            std::string::npos)
      << out.str();
  ASSERT_EQ(Run({"backup", File("b.json")}), kExitDone);
  board = "T2803-31";
  EXPECT_EQ(Run({"restore", File("b.json")}), kExitDone);
  EXPECT_EQ(err.str(),
            "padctl: note: the backup comes from board model \"T28\\x1B[2J\\x0D\\x0Aboard     "
            "fake\", this is \"T2803-31\"\npadctl: written and verified (64 slots)\n");
}

TEST_F(CommandsTest, AControllerThatKeepsAnotherValueIsReportedSlotBySlot) {
  ControllerEmulator::Faults faults;
  faults.stuckSlot = 31;
  emulator->SetFaults(faults);
  EXPECT_EQ(Run({"set", "r4.step3=F", "rumble=0"}), kExitController);
  EXPECT_EQ(err.str(),
            "padctl: the controller holds other values than were written:\n"
            "  slot 31 (r4.step3): wrote 0x0009, controller has 0x004C\n");
  EXPECT_EQ(emulator->Word(33), 0);

  emulator->SetFaults({});
  faults.wrongWriteChecksum = true;
  emulator->SetFaults(faults);
  EXPECT_EQ(Run({"reset", "--yes"}), kExitController);
  EXPECT_EQ(err.str(), "padctl: writing the settings to the controller failed\n");
}

TEST_F(CommandsTest, DataThatCannotBeWrittenIsAFailureNeverASuccess) {
  std::ostream failing(nullptr);  // every write fails, as on a full disk
  data = &failing;
  const std::vector<std::vector<std::string>> commands = {{"show"}, {"show", "--json"}, {"keys"},
                                                          {"info"}, {"backup", "-"},    {"--help"}};
  for (const auto& args : commands) {
    dataError = ENOSPC;
    EXPECT_EQ(Run(args), kExitController) << args[0];
    EXPECT_EQ(err.str(), "padctl: cannot write to standard output: No space left on device\n")
        << args[0];
    // A reader that went away ends it quietly, still as a failure.
    dataError = EPIPE;
    EXPECT_EQ(Run(args), kExitController) << args[0];
    EXPECT_EQ(err.str(), "") << args[0];
  }
  EXPECT_EQ(Writes(), 0);
}

TEST_F(CommandsTest, NoBackupReplacesTheControllersOwnFile) {
  WriteFile("state.bin", "emulator state");
  controllerFile = File("state.bin");
  ASSERT_EQ(std::system(("ln -s state.bin " + File("link.bin")).c_str()), 0);
  for (const std::string& target :
       {File("state.bin"), File("link.bin"), dir.path().toStdString() + "/./state.bin"}) {
    EXPECT_EQ(Run({"backup", target}), kExitUsage) << target;
    EXPECT_EQ(err.str(),
              "padctl: " + target + " is the controller's own file: no backup goes there\n");
  }
  EXPECT_EQ(ReadFile("state.bin"), "emulator state");
  // Not yet created, it is known by its name.
  controllerFile = File("new.bin");
  EXPECT_EQ(Run({"backup", File("new.bin")}), kExitUsage);
  EXPECT_FALSE(QFile::exists(dir.filePath("new.bin")));
  EXPECT_EQ(Run({"backup", File("other.json")}), kExitDone) << err.str();
}

TEST_F(CommandsTest, ResetAsksBeforeTheControllerIsTouched) {
  // Without a terminal to ask, no --yes is a usage error even with no controller at all.
  unplugged = true;
  EXPECT_EQ(Run({"reset"}), kExitUsage);
  EXPECT_EQ(err.str(), "padctl: reset writes the factory values; add --yes to confirm\n");
  unplugged = false;
  int exchangesWhileAsking = -1;
  confirm = [&] {
    exchangesWhileAsking = emulator->GetCounters().sends + emulator->GetCounters().fetches;
    return true;
  };
  emulator->ResetCounters();
  EXPECT_EQ(Run({"reset"}), kExitDone) << err.str();
  EXPECT_EQ(exchangesWhileAsking, 0);
  EXPECT_GT(Writes(), 0);
}

TEST_F(CommandsTest, ResetWritesTheFactoryValuesAndInfoNamesTheLayout) {
  emulator->SetWord(25, 0x09);
  emulator->SetWord(33, 2);
  emulator->SetWord(27, 0x09);  // a hole the window cannot show
  confirm = [] { return true; };
  EXPECT_EQ(Run({"reset"}), kExitDone) << err.str();
  EXPECT_EQ(emulator->Word(25), 0x29);
  EXPECT_EQ(emulator->Word(33), 1);
  EXPECT_EQ(emulator->Word(27), 0);
  // The factory record is one the window can show and edit.
  SlotWords written{};
  for (int slot = 0; slot < slots::kWritten; ++slot) {
    written[static_cast<std::size_t>(slot)] = emulator->Word(slot);
  }
  ControllerConfig factory;
  PutWrittenSlots(factory, written);
  EXPECT_FALSE(settings::FirstProblem(factory));

  EXPECT_EQ(Run({"info"}), kExitDone);
  EXPECT_EQ(out.str(),
            "node      emulator test\n"
            "firmware  Ver:1.11 Firmware:X107K215\n"
            "board     T2803-31\n"
            "layout    3: LED settings yes, dead zones yes, rear buttons titled L4/R4 no\n");
}

TEST_F(CommandsTest, SetRefusesWhatTheWindowCouldNotProduceAndWritesNothing) {
  const auto before = emulator->Memory();
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"set", "kbm.w=Rocker_A", "kbm.s=L2", "l4.step1=MS_UP"},
       "padctl: kbm.w: Rocker_A is a gamepad input; kbm.w takes a keyboard key or a wheel "
       "direction\n"
       "padctl: kbm.s: L2 is a gamepad input; kbm.s takes a keyboard key or a wheel direction\n"
       "padctl: l4.step1: MS_UP is a wheel direction; l4.step1 takes a keyboard key or a gamepad "
       "input\n"},
      {{"set", "l4.step3=F"},
       "padctl: l4.step3: F follows an empty l4.step2; fill the earlier steps first\n"},
      {{"set", "l4.delay1=250"}, "padctl: l4.delay1: 250 is not one of 0, 100\n"},
      {{"set", "l4.delay2=100"},
       "padctl: l4.delay2: 100 follows an empty l4.step2; a delay follows only a step that holds "
       "a key\n"},
      {{"set", "right-stick.center=101"},
       "padctl: right-stick.center: 101 is not a whole number from 0 to 100\n"},
      // Judged after "none" emptied the later steps.
      {{"set", "l4.step1=none", "l4.step2=E"},
       "padctl: l4.step2: E follows an empty l4.step1; fill the earlier steps first\n"},
  };
  for (const auto& [args, message] : cases) {
    EXPECT_EQ(Run(args), kExitUsage) << args[1];
    EXPECT_EQ(err.str(), message);
  }
  EXPECT_EQ(Run({"set", "l4.step3=F"}, true), kExitUsage);
  EXPECT_EQ(err.str(), "padctl: l4.step3：F 位于空的 l4.step2 之后；请先填写前面的步骤\n");
  EXPECT_EQ(Writes(), 0);
  EXPECT_EQ(emulator->Memory(), before);

  // The record is judged after all of the command's settings, in any order.
  EXPECT_EQ(Run({"set", "l4.step3=F", "l4.step2=E", "l4.delay2=100"}), kExitDone) << err.str();
  EXPECT_EQ(emulator->Word(26), 0x08);
  EXPECT_EQ(emulator->Word(27), 0x09);
  EXPECT_EQ(emulator->Word(41), 100);
}

TEST_F(CommandsTest, NoneOnAStepEmptiesTheLaterStepsAndTheirDelays) {
  emulator->SetWord(32, 0x0A);  // r4.step4 = G after Ctrl, Alt, Del
  emulator->SetWord(44, 100);
  emulator->SetWord(46, 100);
  EXPECT_EQ(Run({"set", "r4.step1=none"}), kExitDone);
  EXPECT_EQ(err.str(),
            "padctl: r4.step1=none also empties r4.delay1, r4.step2, r4.step3, r4.delay3, "
            "r4.step4\n"
            "padctl: written and verified (64 slots)\n");
  for (int slot : {29, 30, 31, 32, 44, 45, 46}) EXPECT_EQ(emulator->Word(slot), 0) << slot;
  EXPECT_EQ(emulator->Word(25), 0x29);  // L4 keeps Esc

  // Nothing later held anything: nothing more to say.
  EXPECT_EQ(Run({"set", "l4.step1=none"}), kExitDone);
  EXPECT_EQ(err.str(), "padctl: written and verified (64 slots)\n");
  EXPECT_EQ(emulator->Word(25), 0);
}

TEST_F(CommandsTest, ValuesTheWindowCannotShowAreShownAsSuchAndBlockOnlyWhereTouched) {
  emulator->SetWord(8, 0xFF05);  // kbm.w = Rocker_A
  emulator->SetWord(27, 0x09);   // l4.step3 = F after the empty l4.step2
  ASSERT_EQ(Run({"show"}), kExitDone);
  EXPECT_NE(out.str().find("\nkbm.w                 Rocker_A (the window cannot show this: "
                           "Rocker_A is a gamepad input; kbm.w takes a keyboard key or a wheel "
                           "direction)\n"),
            std::string::npos)
      << out.str();
  EXPECT_NE(out.str().find("\nl4.step3              F (the window cannot show this: F follows "
                           "an empty l4.step2; fill the earlier steps first)\n"),
            std::string::npos);
  EXPECT_NE(out.str().find("\nkbm.s                 S\n"), std::string::npos);
  ASSERT_EQ(Run({"show", "--json"}), kExitDone);
  QJsonObject shown = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
  EXPECT_EQ(shown.value("l4.step3").toString(), "F");
  EXPECT_EQ(shown.value("kbm.w").toString(), "Rocker_A");
  const QJsonObject notShown = shown.value("notShownByWindow").toObject();
  EXPECT_EQ(notShown.keys(), (QStringList{"kbm.w", "l4.step3"}));
  EXPECT_EQ(notShown.value("l4.step3").toString(),
            "F follows an empty l4.step2; fill the earlier steps first");

  // A setting elsewhere is still written; what the controller held is said and kept.
  EXPECT_EQ(Run({"set", "rumble=2"}), kExitDone);
  EXPECT_EQ(err.str(),
            "padctl: note: the controller already holds values the window cannot show; this "
            "command leaves them as they are:\n"
            "padctl: kbm.w: Rocker_A is a gamepad input; kbm.w takes a keyboard key or a wheel "
            "direction\n"
            "padctl: l4.step3: F follows an empty l4.step2; fill the earlier steps first\n"
            "padctl: written and verified (64 slots)\n");
  EXPECT_EQ(emulator->Word(33), 2);
  EXPECT_EQ(emulator->Word(8), 0xFF05);
  // Touching L4's sequence without mending it is refused; mending it is not.
  EXPECT_EQ(Run({"set", "l4.step4=G"}), kExitUsage);
  EXPECT_EQ(emulator->Word(28), 0);
  EXPECT_EQ(Run({"set", "l4.step2=E", "kbm.w=W"}), kExitDone);
  EXPECT_EQ(err.str(), "padctl: written and verified (64 slots)\n");
  ASSERT_EQ(Run({"show", "--json"}), kExitDone);
  shown = QJsonDocument::fromJson(QByteArray::fromStdString(out.str())).object();
  EXPECT_FALSE(shown.contains("notShownByWindow"));
  EXPECT_EQ(shown.size(), 36);
}

TEST_F(CommandsTest, RestoreRefusesAFileTheWindowCouldNotShow) {
  ASSERT_EQ(Run({"backup", File("b.json")}), kExitDone);
  QJsonObject root = QJsonDocument::fromJson(ReadFile("b.json")).object();
  root.remove("settings");
  QJsonArray words = root.value("slots").toArray();
  words[37] = 0x7F00;  // right boundary 127
  root.insert("slots", words);
  WriteFile("127.json", QJsonDocument(root).toJson());
  words[37] = 0;
  words[36] = 0xFFFF;  // both left dead zones read -1
  root.insert("slots", words);
  WriteFile("ffff.json", QJsonDocument(root).toJson());
  emulator->ResetCounters();
  const auto before = emulator->Memory();

  EXPECT_EQ(Run({"restore", File("127.json")}), kExitUsage);
  EXPECT_EQ(err.str(),
            "padctl: right-stick.boundary: 127 is not a whole number from 0 to 100\n"
            "padctl: nothing was written\n");
  EXPECT_EQ(Run({"restore", File("ffff.json")}), kExitUsage);
  EXPECT_EQ(err.str(),
            "padctl: left-stick.center: -1 is not a whole number from 0 to 100\n"
            "padctl: left-stick.boundary: -1 is not a whole number from 0 to 100\n"
            "padctl: nothing was written\n");
  EXPECT_EQ(Writes(), 0);
  EXPECT_EQ(emulator->Memory(), before);
}

}  // namespace

namespace {

// padctl --trace against the emulator: every report sent and fetched, one line each, in hex
// with the pause asked for before it, and the debug trace beside them.
TEST(ReportTrace, EveryReportSentAndFetchedIsOneLineWithThePauseBeforeIt) {
  Message error{};
  const auto line = ParseCommandLine({"--trace", "set", "rumble=2"}, &error);
  ASSERT_TRUE(line && line->trace);
  auto emulator = std::make_shared<ControllerEmulator>();
  emulator->SetVersion({0x01, 0x0C, 0x00, 0x09});
  std::ostringstream out, err, trace;
  CliContext context(out, err);
  context.program.openController = [emulator] {
    return MakeEmulatorTransport(emulator, "emulator test");
  };
  context.program.boardModel = [] { return std::string("T2803-31"); };
  context.pause = [](int) {};
  EnableReportTrace(context, trace);
  ASSERT_EQ(RunCommand(*line, context), kExitDone) << err.str();

  std::istringstream lines(trace.str());
  std::vector<std::string> all;
  for (std::string text; std::getline(lines, text);) all.push_back(text);
  const std::string zeros = [] {
    std::string text;
    for (int i = 0; i < 60; ++i) text += " 00";
    return text;
  }();
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[0], "report sent    after 0 ms: 01 A5 10 5A EF" + zeros);
  EXPECT_EQ(all[1].substr(0, 65),
            "report fetched after 5 ms: 01 00 00 00 00 00 00 00 AA 01 0C 00 09");
  int sent = 0, fetched = 0, debug = 0;
  for (const std::string& text : all) {
    if (text.rfind("report sent    after ", 0) == 0) ++sent;
    if (text.rfind("report fetched after ", 0) == 0) ++fetched;
    if (text.rfind("trace: IsChooseKey:4,KeyCode:", 0) == 0) ++debug;
    if (text.rfind("report ", 0) == 0) {
      EXPECT_EQ(text.size() - text.find(':'), 1u + 3u * 65u) << text;  // 65 bytes
    }
  }
  // A read (start, 4 blocks, checksum), then the write's start, 8 blocks, checksum and end,
  // then the read that verifies: nothing left out.
  const auto counters = emulator->GetCounters();
  EXPECT_EQ(sent, counters.sends);
  EXPECT_EQ(fetched, counters.fetches);
  EXPECT_EQ(sent, 6 + 11 + 6);
  EXPECT_EQ(debug, 1);
  EXPECT_EQ(sent + fetched + debug, static_cast<int>(all.size()));

  // Where an exchange stops is the last line: here the controller is gone after 3 reports.
  ControllerEmulator::Faults faults;
  faults.unplugAfterReports = 3;
  emulator->ResetCounters();
  emulator->SetFaults(faults);
  trace.str("");
  const auto info = ParseCommandLine({"info"}, &error);
  EXPECT_EQ(RunCommand(*info, context), kExitController);
  std::string last, text;
  for (std::istringstream rest(trace.str()); std::getline(rest, text);) last = text;
  EXPECT_EQ(last, "report fetch failed after 5 ms") << trace.str();
}

}  // namespace
