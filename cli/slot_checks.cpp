// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/slot_checks.h"

#include <string>

#include "cli/named_settings.h"

namespace {

using settings::Refusal;
using settings::Setting;

// The name of a rear button's step `step`.
const char* StepName(int button, int step) {
  const Setting* setting = settings::KeySettingOfSlot(settings::RearStepSlot(button, step));
  return setting != nullptr ? setting->name : "";
}

// The first empty step before `step`: the one that makes it a hole.
const char* FirstEmptyBefore(const ControllerConfig& config, const Setting& step) {
  for (int earlier = 1; earlier < step.index; ++earlier) {
    if (config.Code(settings::RearStepSlot(step.button, earlier)) == 0) {
      return StepName(step.button, earlier);
    }
  }
  return "";
}

}  // namespace

Message ProblemMessage(const ControllerConfig& config, const settings::RecordProblem& problem) {
  const Setting& setting = *problem.setting;
  switch (problem.refusal) {
    case Refusal::kUnknownKey:
      return {MessageId::kSlotNotKey,
              {std::to_string(setting.slot), setting.name,
               HexText(static_cast<unsigned>(problem.value), 4)}};
    case Refusal::kBadLedMode:
      return {MessageId::kSlotBadLedMode,
              {std::to_string(setting.slot), HexText(static_cast<unsigned>(problem.value), 2),
               EffectChoices()}};
    case Refusal::kHole:
      return {MessageId::kStepAfterEmpty,
              {setting.name, ValueText(setting, problem.value), FirstEmptyBefore(config, setting)}};
    case Refusal::kDelayAfterEmpty:
      return {
          MessageId::kDelayAfterEmpty,
          {setting.name, std::to_string(problem.value), StepName(setting.button, setting.index)}};
    case Refusal::kKeyOfOtherPage:
    case Refusal::kOutOfRange:
    case Refusal::kNone:
      break;
  }
  if (auto refused = RefusedValue(setting, problem.value)) return *refused;
  return {MessageId::kBadChoice, {setting.name, std::to_string(problem.value), ""}};
}

std::string ProblemReason(const ControllerConfig& config, const settings::RecordProblem& problem) {
  const std::string text = RenderMessage(ProblemMessage(config, problem), false);
  const std::size_t colon = text.find(": ");
  return colon == std::string::npos ? text : text.substr(colon + 2);
}

std::vector<Message> CheckSlots(const SlotWords& words) {
  ControllerConfig config;
  PutWrittenSlots(config, words);
  std::vector<Message> messages;
  for (const auto& problem : settings::RecordProblems(config)) {
    messages.push_back(ProblemMessage(config, problem));
  }
  return messages;
}
