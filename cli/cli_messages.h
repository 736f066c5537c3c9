// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Every message padctl prints for people, in English and Chinese. A message is an id and
// its arguments, so the units that find problems stay free of the language choice and
// tests can compare ids instead of wording.
enum class MessageId {
  kUsageHint,
  kNoCommand,
  kUnknownCommand,
  kUnknownOption,
  kMissingValue,
  kUnexpectedArgument,
  kMissingFile,
  kNoAssignments,
  kOptionNotForCommand,
  kModelNeedsEmulator,
  kNotAssignment,
  kUnknownSetting,
  kBadKeyName,
  kBadNumber,
  kBadChoice,
  kBadColour,
  kEmulatorState,
  kNoController,
  kNoPermission,
  kControllerTaken,
  kControllerBusy,
  kWindowOpen,
  kReadFailed,
  kWriteFailed,
  kReadBackFailed,
  kDifferentAfterWrite,
  kSlotDifference,
  kWrittenAndVerified,
  kCannotReadFile,
  kCannotWriteFile,
  kBackupSaved,
  kBackupNotRestorable,
  kNotJson,
  kNotBackup,
  kWrongFormatVersion,
  kBadSlotList,
  kBadTextField,
  kSlotNotKey,
  kSlotBadLedMode,
  kKeyOfOtherPage,
  kWordKeyboardKey,
  kWordWheelDirection,
  kWordGamepadInput,
  kStepAfterEmpty,
  kDelayAfterEmpty,
  kNoneEmptiesMore,
  kHeldProblemsKept,
  kViewDisagrees,
  kNothingWritten,
  kOtherBoard,
  kResetNeedsYes,
  kResetQuestion,
  kProfileNeedsAction,
  kUnknownProfileAction,
  kProfileNeedsName,
  kBadProfileName,
  kNoProfile,
  kNoProfileFolder,
  kProfileRemoved,
  kCannotRemoveFile,
  kNotRegularFile,
  kFileTooLarge,
  kDuplicateKey,
  kNotAVersion,
  kSettingsNotObject,
  kSettingTwice,
  kCannotWriteOutput,
  kControllerOwnFile,
};

struct Message {
  MessageId id;
  std::vector<std::string> args;
  // Words whose wording follows the language, placed at {a}, {b}, ... (ids of word messages).
  std::vector<MessageId> words = {};
};

// A number as message arguments and data show it: "0x" and upper-case hex, `digits` wide.
std::string HexText(unsigned value, int digits);

// The text of a message, its arguments put in place of {1}, {2}, ... and its words in place
// of {a}, {b}, ... Arguments repeat what users, files and the system gave, so their control
// characters are shown escaped (EscapeControls), never sent to the terminal.
std::string RenderMessage(const Message& message, bool chinese);
