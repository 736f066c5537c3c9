// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_messages.h"

#include <cstdio>

#include "cli/printable_text.h"
#include "texts/phrases.h"

namespace {

// Each message's wording lives with every other bilingual text; this only says which is which.
struct MessageText {
  MessageId id;
  const Phrase& phrase;
};

const MessageText kTexts[] = {
    {MessageId::kUsageHint, phrases::padctl::kUsageHint},
    {MessageId::kNoCommand, phrases::padctl::kNoCommand},
    {MessageId::kUnknownCommand, phrases::padctl::kUnknownCommand},
    {MessageId::kUnknownOption, phrases::padctl::kUnknownOption},
    {MessageId::kMissingValue, phrases::padctl::kMissingValue},
    {MessageId::kUnexpectedArgument, phrases::padctl::kUnexpectedArgument},
    {MessageId::kMissingFile, phrases::padctl::kMissingFile},
    {MessageId::kNoAssignments, phrases::padctl::kNoAssignments},
    {MessageId::kOptionNotForCommand, phrases::padctl::kOptionNotForCommand},
    {MessageId::kModelNeedsEmulator, phrases::padctl::kModelNeedsEmulator},
    {MessageId::kNotAssignment, phrases::padctl::kNotAssignment},
    {MessageId::kUnknownSetting, phrases::padctl::kUnknownSetting},
    {MessageId::kBadKeyName, phrases::padctl::kBadKeyName},
    {MessageId::kBadNumber, phrases::padctl::kBadNumber},
    {MessageId::kBadChoice, phrases::padctl::kBadChoice},
    {MessageId::kBadColour, phrases::padctl::kBadColour},
    {MessageId::kEmulatorState, phrases::padctl::kEmulatorState},
    {MessageId::kNoController, phrases::padctl::kNoController},
    {MessageId::kNoPermission, phrases::kNoPermission},
    {MessageId::kControllerTaken, phrases::kControllerTaken},
    {MessageId::kControllerBusy, phrases::padctl::kControllerBusy},
    {MessageId::kWindowOpen, phrases::padctl::kWindowOpen},
    {MessageId::kReadFailed, phrases::padctl::kReadFailed},
    {MessageId::kWriteFailed, phrases::padctl::kWriteFailed},
    {MessageId::kReadBackFailed, phrases::padctl::kReadBackFailed},
    {MessageId::kDifferentAfterWrite, phrases::padctl::kDifferentAfterWrite},
    {MessageId::kSlotDifference, phrases::padctl::kSlotDifference},
    {MessageId::kWrittenAndVerified, phrases::padctl::kWrittenAndVerified},
    {MessageId::kCannotReadFile, phrases::padctl::kCannotReadFile},
    {MessageId::kCannotWriteFile, phrases::padctl::kCannotWriteFile},
    {MessageId::kBackupSaved, phrases::padctl::kBackupSaved},
    {MessageId::kBackupNotRestorable, phrases::padctl::kBackupNotRestorable},
    {MessageId::kNotJson, phrases::padctl::kNotJson},
    {MessageId::kNotBackup, phrases::padctl::kNotBackup},
    {MessageId::kWrongFormatVersion, phrases::padctl::kWrongFormatVersion},
    {MessageId::kBadSlotList, phrases::padctl::kBadSlotList},
    {MessageId::kBadTextField, phrases::padctl::kBadTextField},
    {MessageId::kSlotNotKey, phrases::padctl::kSlotNotKey},
    {MessageId::kSlotBadLedMode, phrases::padctl::kSlotBadLedMode},
    {MessageId::kKeyOfOtherPage, phrases::padctl::kKeyOfOtherPage},
    {MessageId::kWordKeyboardKey, phrases::padctl::kWordKeyboardKey},
    {MessageId::kWordWheelDirection, phrases::padctl::kWordWheelDirection},
    {MessageId::kWordGamepadInput, phrases::padctl::kWordGamepadInput},
    {MessageId::kStepAfterEmpty, phrases::padctl::kStepAfterEmpty},
    {MessageId::kDelayAfterEmpty, phrases::padctl::kDelayAfterEmpty},
    {MessageId::kNoneEmptiesMore, phrases::padctl::kNoneEmptiesMore},
    {MessageId::kHeldProblemsKept, phrases::padctl::kHeldProblemsKept},
    {MessageId::kViewDisagrees, phrases::padctl::kViewDisagrees},
    {MessageId::kNothingWritten, phrases::padctl::kNothingWritten},
    {MessageId::kOtherBoard, phrases::padctl::kOtherBoard},
    {MessageId::kResetNeedsYes, phrases::padctl::kResetNeedsYes},
    {MessageId::kResetQuestion, phrases::padctl::kResetQuestion},
    {MessageId::kProfileNeedsAction, phrases::padctl::kProfileNeedsAction},
    {MessageId::kUnknownProfileAction, phrases::padctl::kUnknownProfileAction},
    {MessageId::kProfileNeedsName, phrases::padctl::kProfileNeedsName},
    {MessageId::kBadProfileName, phrases::padctl::kBadProfileName},
    {MessageId::kNoProfile, phrases::padctl::kNoProfile},
    {MessageId::kNoProfileFolder, phrases::padctl::kNoProfileFolder},
    {MessageId::kProfileRemoved, phrases::padctl::kProfileRemoved},
    {MessageId::kCannotRemoveFile, phrases::padctl::kCannotRemoveFile},
    {MessageId::kNotRegularFile, phrases::padctl::kNotRegularFile},
    {MessageId::kFileTooLarge, phrases::padctl::kFileTooLarge},
    {MessageId::kDuplicateKey, phrases::padctl::kDuplicateKey},
    {MessageId::kNotAVersion, phrases::padctl::kNotAVersion},
    {MessageId::kSettingsNotObject, phrases::padctl::kSettingsNotObject},
    {MessageId::kSettingTwice, phrases::padctl::kSettingTwice},
    {MessageId::kCannotWriteOutput, phrases::padctl::kCannotWriteOutput},
    {MessageId::kControllerOwnFile, phrases::padctl::kControllerOwnFile},
};

const char* PatternOf(MessageId id, bool chinese) {
  for (const auto& entry : kTexts) {
    if (entry.id == id) return entry.phrase.Text(chinese);
  }
  return "";
}

}  // namespace

std::string RenderMessage(const Message& message, bool chinese) {
  // One pass, so an argument that itself contains "{2}" is never expanded again.
  std::string text;
  for (const char* p = PatternOf(message.id, chinese); *p != '\0'; ++p) {
    if (p[0] == '{' && p[1] >= '1' && p[1] <= '9' && p[2] == '}') {
      const std::size_t index = static_cast<std::size_t>(p[1] - '1');
      if (index < message.args.size()) text += EscapeControls(message.args[index]);
      p += 2;
    } else if (p[0] == '{' && p[1] >= 'a' && p[1] <= 'i' && p[2] == '}') {
      const std::size_t index = static_cast<std::size_t>(p[1] - 'a');
      if (index < message.words.size()) text += PatternOf(message.words[index], chinese);
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
