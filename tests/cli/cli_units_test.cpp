// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <set>
#include <tuple>
#include <sstream>

#include <cstdlib>

#include "cli/backup_file.h"
#include "cli/command_line.h"
#include "cli/locale_messages.h"
#include "cli/named_settings.h"
#include "cli/printable_text.h"
#include "cli/slot_checks.h"
#include "keys/key_names.h"

namespace {

ControllerConfig Factory() {
  ControllerConfig config;
  config.LoadDefaults();
  return config;
}

std::vector<MessageId> Ids(const std::vector<Message>& messages) {
  std::vector<MessageId> ids;
  for (const auto& message : messages) ids.push_back(message.id);
  return ids;
}

TEST(KeyNamesTest, PictureNamesWithQualifiersWhereAPictureIsShared) {
  const std::pair<KeyCode, const char*> expected[] = {
      {0x0000, "none"},     {0x0004, "A"},        {0x0029, "Esc"},       {0x00E8, "MS_UP"},
      {0x001E, "1"},        {0x0059, "Num1"},     {0x0062, "Num0"},      {0x0028, "Enter"},
      {0x0058, "NumEnter"}, {0x00E0, "Ctrl"},     {0x00E4, "RightCtrl"}, {0x004A, "Home"},
      {0xFF11, "PadHome"},  {0xFF05, "Rocker_A"}, {0x0031, "Slash"},     {0x003A, "F1"},
  };
  for (const auto& [code, name] : expected) {
    EXPECT_EQ(KeyName(code), name) << std::hex << code;
    EXPECT_EQ(KeyCodeOfName(name), code) << name;
  }
  EXPECT_EQ(KeyCodeOfName("esc"), 0x29);
  EXPECT_EQ(KeyCodeOfName("NONE"), 0);
  EXPECT_FALSE(KeyCodeOfName("Key_A"));
  EXPECT_FALSE(KeyCodeOfName(""));
  EXPECT_EQ(KeyName(0x53), "");  // no row: not a key of the vocabulary
  EXPECT_FALSE(IsKnownKeyCode(0xEA));
  EXPECT_TRUE(IsKnownKeyCode(0));

  // Every key of the vocabulary has a name of its own that leads back to it.
  std::set<std::string> folded;
  for (const auto& key : KnownKeys()) {
    const std::string name = KeyName(key.keyCode);
    std::string lower;
    for (char c : name) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(folded.insert(lower).second) << name;
    EXPECT_EQ(KeyCodeOfName(name), key.keyCode) << name;
  }
}

TEST(NamedSettingsTest, FactoryRecordReadsByName) {
  const ControllerConfig config = Factory();
  const std::pair<const char*, const char*> expected[] = {
      {"kbm.wheel-up", "MS_UP"},  {"kbm.button-a", "Down"}, {"kbm.enter", "Enter"},
      {"l4.step1", "Esc"},        {"l4.step2", "none"},     {"r4.step3", "Del"},
      {"l4.delay1", "0"},         {"rumble", "1"},          {"led.on", "off"},
      {"led.effect", "constant"}, {"led.color", "#FF0000"}, {"right-stick.boundary", "0"},
  };
  for (const auto& [name, value] : expected) {
    const settings::Setting* setting = settings::FindSetting(name);
    ASSERT_NE(setting, nullptr) << name;
    EXPECT_EQ(SettingText(config, *setting), value) << name;
  }
  const QJsonObject view = NamedView(config);
  EXPECT_EQ(view.size(), 36);
  EXPECT_EQ(view.value("rumble"), QJsonValue(1));
  EXPECT_EQ(view.value("led.on"), QJsonValue(false));
  EXPECT_EQ(view.value("r4.step1"), QJsonValue("Ctrl"));

  ControllerConfig odd = config;
  odd.SetCode(36, 0x5AFB);  // centre -5, boundary 90
  odd.SetCode(8, 0x53);     // a code without a key
  odd.SetCode(33, 7);
  EXPECT_EQ(SettingText(odd, *settings::FindSetting("left-stick.center")), "-5");
  EXPECT_EQ(SettingText(odd, *settings::FindSetting("left-stick.boundary")), "90");
  EXPECT_EQ(SettingText(odd, *settings::FindSetting("kbm.w")), "unknown (0x0053)");
  EXPECT_EQ(SettingText(odd, *settings::FindSetting("rumble")), "unknown (0x0007)");
}

TEST(NamedSettingsTest, TextFormsGiveValuesAndRefusalsSayWhatTheSettingTakes) {
  const std::tuple<const char*, const char*, std::int32_t> accepted[] = {
      {"led.color", "#99ff00", 0x99FF00},
      {"led.effect", "rotating", 2},
      {"led.on", "off", 0},
      {"left-stick.center", "5", 5},
      {"l4.step2", "f", 0x09},
      {"r4.delay3", "100", 100},
      {"rumble", "2", 2},
      {"r4.step4", "Rocker_A", 0xFF05},
      {"kbm.wheel-up", "MS_DOWN", 0xE9},
      {"l4.step1", "none", 0},
  };
  for (const auto& [name, text, expected] : accepted) {
    std::int32_t value = -1;
    EXPECT_FALSE(ParseValue(*settings::FindSetting(name), text, value)) << name << "=" << text;
    EXPECT_EQ(value, expected) << name << "=" << text;
  }
  const std::tuple<const char*, const char*, const char*> refused[] = {
      {"rumble", "3", "rumble: 3 is not a whole number from 0 to 2"},
      {"rumble", "1.0", "rumble: 1.0 is not a whole number from 0 to 2"},
      {"l4.delay1", "250", "l4.delay1: 250 is not one of 0, 100"},
      {"l4.delay1", "", "l4.delay1:  is not one of 0, 100"},
      {"left-stick.center", "101", "left-stick.center: 101 is not a whole number from 0 to 100"},
      {"led.on", "yes", "led.on: yes is not one of on, off"},
      {"led.effect", "blink", "led.effect: blink is not one of constant, breathing, rotating"},
      {"led.color", "#12345", "led.color: #12345 is not a colour of the form #RRGGBB"},
      {"led.color", "FF0000", "led.color: FF0000 is not a colour of the form #RRGGBB"},
      {"kbm.a", "Key_A", "kbm.a: unknown key name Key_A ('padctl keys' lists them)"},
      {"kbm.w", "rocker_a",
       "kbm.w: rocker_a is a gamepad input; kbm.w takes a keyboard key or a wheel direction"},
      {"l4.step1", "MS_UP",
       "l4.step1: MS_UP is a wheel direction; l4.step1 takes a keyboard key or a gamepad input"},
  };
  for (const auto& [name, text, expected] : refused) {
    std::int32_t value = 0;
    const auto problem = ParseValue(*settings::FindSetting(name), text, value);
    ASSERT_TRUE(problem) << name << "=" << text;
    EXPECT_EQ(RenderMessage(*problem, false), expected);
  }
  std::int32_t value = 0;
  EXPECT_EQ(RenderMessage(*ParseValue(*settings::FindSetting("kbm.s"), "L2", value), true),
            "kbm.s：L2 是手柄按键；kbm.s 只接受键盘按键或滚轮方向");
}

TEST(SlotChecksTest, EveryProblemNamesItsSettingAndWhatItMayHold) {
  SlotWords words = WrittenSlots(Factory());
  EXPECT_TRUE(CheckSlots(words).empty());
  words[20] = 0xBEEF;  // no setting's slot: carried as it is
  EXPECT_TRUE(CheckSlots(words).empty());

  words[12] = 0x53;
  words[41] = 100;   // l4.delay2 after the empty l4.step2
  words[27] = 0x09;  // l4.step3 = F after the empty l4.step2
  words[30] = 0xFF1A;
  words[33] = 3;
  words[34] = 0xFF02;  // bit 1 of the mode byte
  words[37] = 0x7F00;  // right boundary 127
  std::vector<std::string> texts;
  for (const auto& problem : CheckSlots(words)) texts.push_back(RenderMessage(problem, false));
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "slot 12 (kbm.space): 0x0053 is not a key of the vocabulary",
                       "l4.delay2: 100 follows an empty l4.step2; a delay follows only a step "
                       "that holds a key",
                       "l4.step3: F follows an empty l4.step2; fill the earlier steps first",
                       "slot 30 (r4.step2): 0xFF1A is not a key of the vocabulary",
                       "rumble: 3 is not a whole number from 0 to 2",
                       "slot 34 (LED mode): 0x02 is not an on/off bit with one of the effects "
                       "constant, breathing, rotating",
                       "right-stick.boundary: 127 is not a whole number from 0 to 100",
                   }));
  words = WrittenSlots(Factory());
  words[34] = 0x0031;  // effect 3
  EXPECT_EQ(Ids(CheckSlots(words)), std::vector<MessageId>{MessageId::kSlotBadLedMode});
}

class BackupFileTest : public ::testing::Test {
 protected:
  Backup Sample() {
    Backup backup{"X107K215", "T2803-31", WrittenSlots(Factory())};
    backup.words[17] = 0x1234;  // slots the tool does not edit survive exactly
    backup.words[63] = 0xBEEF;
    backup.words[25] = 0x09;
    return backup;
  }
  std::vector<MessageId> Refusals(const QByteArray& bytes) {
    std::vector<Message> problems;
    EXPECT_FALSE(DecodeBackup(bytes, "b.json", &problems));
    return Ids(problems);
  }
  QByteArray Edited(const QString& from, const QString& to) {
    QString text = QString::fromUtf8(EncodeBackup(Sample()));
    EXPECT_TRUE(text.contains(from)) << from.toStdString();
    return text.replace(from, to).toUtf8();
  }
};

TEST_F(BackupFileTest, EncodedBackupDecodesToTheSameWords) {
  const QByteArray bytes = EncodeBackup(Sample());
  std::vector<Message> problems;
  const auto decoded = DecodeBackup(bytes, "b.json", &problems);
  ASSERT_TRUE(decoded);
  EXPECT_TRUE(problems.empty());
  EXPECT_EQ(decoded->words, Sample().words);
  EXPECT_EQ(decoded->firmware, "X107K215");
  EXPECT_EQ(decoded->boardModel, "T2803-31");
  EXPECT_TRUE(bytes.contains("\"format\": \"padcontrols-backup\""));
  EXPECT_TRUE(bytes.contains("\"l4.step1\": \"F\""));

  // Without the readable view the words alone are a backup.
  QJsonObject root = QJsonDocument::fromJson(bytes).object();
  root.remove("settings");
  EXPECT_TRUE(DecodeBackup(QJsonDocument(root).toJson(), "b.json", &problems));
}

TEST_F(BackupFileTest, DamagedOrForeignFilesAreRefused) {
  const QByteArray whole = EncodeBackup(Sample());
  EXPECT_EQ(Refusals(whole.left(whole.size() / 2)), std::vector<MessageId>{MessageId::kNotJson});
  EXPECT_EQ(Refusals(""), std::vector<MessageId>{MessageId::kNotJson});
  EXPECT_EQ(Refusals("[1, 2, 3]"), std::vector<MessageId>{MessageId::kNotBackup});
  EXPECT_EQ(Refusals(R"({"format": "something-else", "formatVersion": 1})"),
            std::vector<MessageId>{MessageId::kNotBackup});
  EXPECT_EQ(Refusals(Edited("\"formatVersion\": 1", "\"formatVersion\": 2")),
            std::vector<MessageId>{MessageId::kWrongFormatVersion});
  EXPECT_EQ(Refusals(Edited("48879", "70000")), std::vector<MessageId>{MessageId::kBadSlotList});
  EXPECT_EQ(Refusals(Edited("48879", "1.5")), std::vector<MessageId>{MessageId::kBadSlotList});
  EXPECT_EQ(Refusals(Edited(",\n        48879", "")),
            std::vector<MessageId>{MessageId::kBadSlotList});
  EXPECT_EQ(Refusals(Edited("\"firmware\": \"X107K215\"", "\"firmware\": 7")),
            std::vector<MessageId>{MessageId::kBadTextField});
}

TEST_F(BackupFileTest, ValuesTheSlotsCannotTakeAndAnEditedViewAreRefused) {
  // Slot 25 holds 9 (F); 83 (0x53) is no key of the vocabulary.
  QJsonObject root = QJsonDocument::fromJson(EncodeBackup(Sample())).object();
  QJsonArray words = root.value("slots").toArray();
  words[25] = 0x53;
  words[33] = 5;
  root.insert("slots", words);
  root.remove("settings");
  EXPECT_EQ(Refusals(QJsonDocument(root).toJson()),
            (std::vector<MessageId>{MessageId::kSlotNotKey, MessageId::kBadNumber}));

  EXPECT_EQ(Refusals(Edited("\"l4.step1\": \"F\"", "\"l4.step1\": \"G\"")),
            std::vector<MessageId>{MessageId::kViewDisagrees});
  EXPECT_EQ(Refusals(Edited("\"rumble\": 1", "\"rumble\": 1, \"turbo\": 1")),
            std::vector<MessageId>{MessageId::kUnknownSetting});
}

TEST_F(BackupFileTest, AmbiguousFilesAreRefused) {
  // A key given twice, at the top or inside "settings", even when spelt with an escape.
  EXPECT_EQ(Refusals(Edited("\"boardModel\"", "\"firmware\": \"X0\", \"boardModel\"")),
            std::vector<MessageId>{MessageId::kDuplicateKey});
  EXPECT_EQ(Refusals(Edited("\"rumble\": 1", "\"rumble\": 1, \"rumbl\\u0065\": 2")),
            std::vector<MessageId>{MessageId::kDuplicateKey});
  std::vector<Message> problems;
  EXPECT_FALSE(
      DecodeBackup(Edited("\"rumble\": 1", "\"rumble\": 1, \"rumble\": 1"), "b.json", &problems));
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(RenderMessage(problems[0], false), "b.json: \"rumble\" is given more than once");

  // Only a plain whole number is a version.
  for (const char* version : {"\"1\"", "1.0", "1e0", "true", "[1]"}) {
    EXPECT_EQ(Refusals(Edited("\"formatVersion\": 1", QString("\"formatVersion\": ") + version)),
              std::vector<MessageId>{MessageId::kNotAVersion})
        << version;
  }
  EXPECT_EQ(Refusals(Edited("\"formatVersion\": 1,", "")),
            std::vector<MessageId>{MessageId::kNotAVersion});

  QJsonObject withoutView = QJsonDocument::fromJson(EncodeBackup(Sample())).object();
  withoutView.remove("settings");
  for (const char* settings : {"[]", "\"none\"", "null", "7"}) {
    QByteArray text = QJsonDocument(withoutView).toJson();
    text.insert(text.indexOf('{') + 1, QByteArray("\"settings\": ") + settings + ",");
    EXPECT_EQ(Refusals(text), std::vector<MessageId>{MessageId::kSettingsNotObject}) << settings;
  }
}

TEST_F(BackupFileTest, AByteOrderMarkIsSkippedAndNothingElseComesBeforeTheObject) {
  const QByteArray mark = "\xEF\xBB\xBF";
  std::vector<Message> problems;
  const auto marked = DecodeBackup(mark + EncodeBackup(Sample()), "b.json", &problems);
  ASSERT_TRUE(marked) << (problems.empty() ? "" : RenderMessage(problems[0], false));
  EXPECT_EQ(marked->words, Sample().words);
  // Behind the mark, a second "slots" list is still seen, and so is the version's literal.
  const QByteArray twoLists = Edited("\"slots\": [", "\"slots\": [], \"slots\": [");
  EXPECT_EQ(Refusals(mark + twoLists), std::vector<MessageId>{MessageId::kDuplicateKey});
  EXPECT_EQ(Refusals(mark + Edited("\"formatVersion\": 1", "\"formatVersion\": 1.0")),
            std::vector<MessageId>{MessageId::kNotAVersion});
  for (const QByteArray& before :
       {mark + mark, QByteArray("x"), QByteArray("\xEF\xBB"), QByteArray("\xFF\xFE")}) {
    EXPECT_EQ(Refusals(before + EncodeBackup(Sample())),
              std::vector<MessageId>{MessageId::kNotJson})
        << before.toHex().toStdString();
  }
}

TEST(PrintableTextTest, ControlCharactersAreShownEscaped) {
  EXPECT_EQ(EscapeControls("T2803-31"), "T2803-31");
  EXPECT_EQ(EscapeControls("A\x1B[2J\nB\x7F\tC"), "A\\x1B[2J\\x0AB\\x7F\\x09C");
  EXPECT_EQ(EscapeControls("\xC2\x9B"
                           "31m \xE4\xB8\xAD"),
            "\\u009B31m \xE4\xB8\xAD");
}

TEST(LocaleMessagesTest, MessagesAreConvertedToTheTerminalsCharacterSet) {
  EXPECT_EQ(FromUtf8("无法读取 ok", "GB18030"), "\xCE\xDE\xB7\xA8\xB6\xC1\xC8\xA1 ok");
  EXPECT_EQ(FromUtf8("caf\xC3\xA9 中", "ISO-8859-1"), "caf\xE9 ?");
  EXPECT_EQ(FromUtf8("无法", ""), "无法");

  std::ostringstream sink;
  {
    ConvertingStream stream(sink, "GB18030");
    stream << "\xE6\x97";  // a character cut in two waits for its last byte
    EXPECT_EQ(sink.str(), "");
    stream << "\xA0\n";
    EXPECT_EQ(sink.str(), "\xCE\xDE\n");
  }
}

TEST(LocaleMessagesTest, OnlyACodesetThatKeepsAsciiIsTrusted) {
  const char* before = std::getenv("LC_ALL");
  const std::string saved = before != nullptr ? before : "";
  const std::pair<const char*, const char*> cases[] = {
      {"zh_CN.GB18030", "GB18030"},
      {"xx_XX.UTF-16", ""},
      {"xx_XX.IBM037", ""},
      {"xx_XX.NO-SUCH-SET", ""},
      {"xx_XX.ISO-8859-1", "ISO-8859-1"},
      {"C.UTF-8", ""},
  };
  for (const auto& [locale, codeset] : cases) {
    setenv("LC_ALL", locale, 1);
    EXPECT_EQ(MessageCodeset(), codeset) << locale;
  }
  if (before != nullptr) {
    setenv("LC_ALL", saved.c_str(), 1);
  } else {
    unsetenv("LC_ALL");
  }
}

TEST(CommandLineTest, CommandsOptionsAndTheirMistakes) {
  Message error{};
  auto parse = [&](std::vector<std::string> args) { return ParseCommandLine(args, &error); };

  // "--" ends the options: a file may start with '-', and a word after it is no option.
  auto ended = parse({"--emulator", "s.bin", "backup", "--", "--json"});
  ASSERT_TRUE(ended);
  EXPECT_EQ(ended->file, "--json");
  EXPECT_FALSE(ended->json);
  EXPECT_FALSE(parse({"--", "--help"}));
  EXPECT_EQ(error.id, MessageId::kUnknownCommand);
  EXPECT_FALSE(parse({"profile", "save", "--", "-rf"}));
  EXPECT_EQ(error.id, MessageId::kBadProfileName);

  auto line = parse({"--emulator", "s.bin", "set", "rumble=2", "led.on=on"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->command, Command::kSet);
  EXPECT_EQ(line->emulatorState, "s.bin");
  EXPECT_EQ(line->assignments, (std::vector<std::string>{"rumble=2", "led.on=on"}));
  line = parse({"show", "--json", "--emulator", "s.bin", "--model", "T2802-21"});
  ASSERT_TRUE(line);
  EXPECT_TRUE(line->json);
  EXPECT_EQ(line->model, "T2802-21");
  line = parse({"restore", "b.json"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->file, "b.json");
  line = parse({"reset", "-y"});
  ASSERT_TRUE(line && line->yes);
  line = parse({"bogus", "--help"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->command, Command::kHelp);
  line = parse({"doctor", "--report", "r.txt", "--no-read", "--trace"});
  ASSERT_TRUE(line);
  EXPECT_EQ(line->command, Command::kDoctor);
  EXPECT_EQ(line->report, "r.txt");
  EXPECT_TRUE(line->noRead && line->trace);

  const std::pair<std::vector<std::string>, MessageId> mistakes[] = {
      {{}, MessageId::kNoCommand},
      {{"shwo"}, MessageId::kUnknownCommand},
      {{"show", "--jsn"}, MessageId::kUnknownOption},
      {{"show", "--emulator"}, MessageId::kMissingValue},
      {{"show", "extra"}, MessageId::kUnexpectedArgument},
      {{"backup"}, MessageId::kMissingFile},
      {{"restore", "a.json", "b.json"}, MessageId::kUnexpectedArgument},
      {{"set"}, MessageId::kNoAssignments},
      {{"info", "--json"}, MessageId::kOptionNotForCommand},
      {{"set", "rumble=1", "--yes"}, MessageId::kOptionNotForCommand},
      {{"info", "--model", "T2803-31"}, MessageId::kModelNeedsEmulator},
      {{"info", "--no-read"}, MessageId::kOptionNotForCommand},
      {{"show", "--report", "r.txt"}, MessageId::kOptionNotForCommand},
      {{"doctor", "--report"}, MessageId::kMissingValue},
      {{"doctor", "--emulator", "s.bin"}, MessageId::kOptionNotForCommand},
  };
  for (const auto& [args, id] : mistakes) {
    error = Message{};
    EXPECT_FALSE(parse(args));
    EXPECT_EQ(error.id, id) << (args.empty() ? std::string() : args[0]);
  }
}

TEST(CliMessagesTest, ArgumentsArePlacedOnceInEitherLanguage) {
  const Message message{MessageId::kBadNumber, {"rumble", "{2}", "0", "2"}};
  EXPECT_EQ(RenderMessage(message, false), "rumble: {2} is not a whole number from 0 to 2");
  EXPECT_EQ(RenderMessage(message, true), "rumble：{2} 不是 0 到 2 之间的整数");
  EXPECT_EQ(RenderMessage({MessageId::kNoController, {}}, true), "未找到手柄");
}

TEST(CliMessagesTest, ArgumentsAreShownWithTheirControlsEscaped) {
  // ESC, BEL, DEL and C1's CSI (U+009B) from a name or a file never reach the terminal raw.
  EXPECT_EQ(RenderMessage({MessageId::kUnknownSetting,
                           {"a\x1B]0;x\x07\x7F\xC2\x9B"
                            "2J"}},
                          false),
            "unknown setting: a\\x1B]0;x\\x07\\x7F\\u009B2J ('padctl show' lists them)");
  EXPECT_EQ(RenderMessage({MessageId::kNoProfile, {"r\r\n", "\xE4\xB8\xAD.json"}}, false),
            "no profile named r\\x0D\\x0A (\xE4\xB8\xAD.json does not exist)");
}

}  // namespace
