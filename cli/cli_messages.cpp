#include "cli/cli_messages.h"

#include <cstdio>

namespace {

struct MessageText {
  MessageId id;
  const char* english;
  const char* chinese;
};

constexpr MessageText kTexts[] = {
    {MessageId::kUsageHint, "Try 'padctl --help'.", "运行 'padctl --help' 查看用法。"},
    {MessageId::kNoCommand, "no command given", "未指定命令"},
    {MessageId::kUnknownCommand, "unknown command: {1}", "未知命令：{1}"},
    {MessageId::kUnknownOption, "unknown option: {1}", "未知选项：{1}"},
    {MessageId::kMissingValue, "{1} needs a value", "{1} 需要一个值"},
    {MessageId::kUnexpectedArgument, "unexpected argument: {1}", "多余的参数：{1}"},
    {MessageId::kMissingFile, "{1} needs a FILE", "{1} 需要指定文件"},
    {MessageId::kNoAssignments, "set needs at least one NAME=VALUE", "set 至少需要一个 NAME=VALUE"},
    {MessageId::kOptionNotForCommand, "{1} does not apply to {2}", "{1} 不能用于 {2}"},
    {MessageId::kModelNeedsEmulator, "--model only applies with --emulator",
     "--model 只能与 --emulator 一起使用"},
    {MessageId::kNotAssignment, "expected NAME=VALUE, not {1}", "应为 NAME=VALUE，而不是 {1}"},
    {MessageId::kUnknownSetting, "unknown setting: {1} ('padctl show' lists them)",
     "未知设置：{1}（'padctl show' 列出全部设置）"},
    {MessageId::kBadKeyName, "{1}: unknown key name {2} ('padctl keys' lists them)",
     "{1}：未知按键名 {2}（'padctl keys' 列出全部按键）"},
    {MessageId::kBadNumber, "{1}: {2} is not a whole number from {3} to {4}",
     "{1}：{2} 不是 {3} 到 {4} 之间的整数"},
    {MessageId::kBadChoice, "{1}: {2} is not one of {3}", "{1}：{2} 不是 {3} 之一"},
    {MessageId::kBadColour, "{1}: {2} is not a colour of the form #RRGGBB",
     "{1}：{2} 不是 #RRGGBB 形式的颜色"},
    {MessageId::kEmulatorState, "cannot use the emulator state file: {1}",
     "无法使用模拟器状态文件：{1}"},
    {MessageId::kNoController, "no controller found", "未找到手柄"},
    {MessageId::kReadFailed, "reading the controller's settings failed", "读取手柄设置失败"},
    {MessageId::kWriteFailed, "writing the settings to the controller failed", "写入手柄设置失败"},
    {MessageId::kReadBackFailed,
     "the settings were written but could not be read back to check them",
     "设置已写入，但无法读回校验"},
    {MessageId::kDifferentAfterWrite,
     "the controller holds other values than were written:", "手柄中的值与写入的值不同："},
    {MessageId::kSlotDifference, "  slot {1} ({2}): wrote {3}, controller has {4}",
     "  槽位 {1}（{2}）：写入 {3}，手柄中为 {4}"},
    {MessageId::kWrittenAndVerified, "written and verified ({1} slots)",
     "已写入并校验（{1} 个槽位）"},
    {MessageId::kCannotReadFile, "cannot read {1}: {2}", "无法读取 {1}：{2}"},
    {MessageId::kCannotWriteFile, "cannot write {1}: {2}", "无法写入 {1}：{2}"},
    {MessageId::kBackupSaved, "backup saved to {1}", "备份已保存到 {1}"},
    {MessageId::kBackupNotRestorable,
     "note: the controller holds values that restore refuses, so this backup cannot be restored "
     "as it is:",
     "注意：手柄中有恢复时会被拒绝的值，此备份无法按原样恢复："},
    {MessageId::kNotJson, "{1} is not complete JSON: {2}", "{1} 不是完整的 JSON：{2}"},
    {MessageId::kNotBackup, "{1} is not a padctl backup", "{1} 不是 padctl 备份文件"},
    {MessageId::kWrongFormatVersion, "{1} has format version {2}; this padctl reads version {3}",
     "{1} 的格式版本为 {2}；本程序读取版本 {3}"},
    {MessageId::kBadSlotList, "{1}: \"slots\" must hold {2} whole numbers from 0 to 65535",
     "{1}：\"slots\" 必须包含 {2} 个 0 到 65535 之间的整数"},
    {MessageId::kBadTextField, "{1}: \"{2}\" must be text", "{1}：\"{2}\" 必须是文本"},
    {MessageId::kSlotNotKey, "slot {1} ({2}): {3} is not a key of the vocabulary",
     "槽位 {1}（{2}）：{3} 不是已知按键"},
    {MessageId::kSlotBadRumble, "slot {1} (rumble): {2} is not 0, 1 or 2",
     "槽位 {1}（震动）：{2} 不是 0、1 或 2"},
    {MessageId::kSlotBadLedMode,
     "slot {1} (LED mode): {2} is not an on/off bit with effect 0, 1 or 2",
     "槽位 {1}（灯光模式）：{2} 不是有效的开关位和效果 0、1 或 2"},
    {MessageId::kViewDisagrees,
     "{1}: \"{2}\" in \"settings\" does not match \"slots\" (the slots are restored; edit them "
     "or remove \"settings\")",
     "{1}：\"settings\" 中的 \"{2}\" 与 \"slots\" 不符（恢复的是槽位值；请修改槽位或删除 "
     "\"settings\"）"},
    {MessageId::kNothingWritten, "nothing was written", "未写入任何内容"},
    {MessageId::kOtherBoard, "note: the backup comes from board model \"{1}\", this is \"{2}\"",
     "注意：备份来自主板型号 \"{1}\"，当前为 \"{2}\""},
    {MessageId::kResetNeedsYes, "reset writes the factory values; add --yes to confirm",
     "reset 会写入出厂设置；请加 --yes 确认"},
    {MessageId::kResetQuestion, "Write the factory values to the controller? [y/N] ",
     "将出厂设置写入手柄？[y/N] "},
};

}  // namespace

std::string RenderMessage(const Message& message, bool chinese) {
  const char* pattern = "";
  for (const auto& entry : kTexts) {
    if (entry.id == message.id) pattern = chinese ? entry.chinese : entry.english;
  }
  // One pass, so an argument that itself contains "{2}" is never expanded again.
  std::string text;
  for (const char* p = pattern; *p != '\0'; ++p) {
    if (p[0] == '{' && p[1] >= '1' && p[1] <= '9' && p[2] == '}') {
      const std::size_t index = static_cast<std::size_t>(p[1] - '1');
      if (index < message.args.size()) text += message.args[index];
      p += 2;
    } else {
      text += *p;
    }
  }
  return text;
}

std::string HexText(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}
