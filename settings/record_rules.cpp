// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/record_rules.h"

namespace settings {
namespace {

constexpr std::uint8_t kLedReservedBits = 0x0E;

bool LedModeIsValid(std::uint8_t mode) {
  return (mode & kLedReservedBits) == 0 &&
         static_cast<std::size_t>(LedEffectOf(mode)) < kLedEffectNames.size();
}

bool StepHoldsKey(const ControllerConfig& config, int button, int step) {
  return config.Code(RearStepSlot(button, step)) != 0;
}

// The place-in-sequence rules of one step or delay, given that its own value is fine.
Refusal SequenceRefusal(const ControllerConfig& config, const Setting& setting) {
  if (setting.kind == SettingKind::kRearStep) {
    if (config.Code(setting.slot) != 0 && !StepMayHoldKey(config, setting)) return Refusal::kHole;
  } else if (setting.kind == SettingKind::kStepDelay) {
    if (config.Code(setting.slot) != 0 && !StepHoldsKey(config, setting.button, setting.index)) {
      return Refusal::kDelayAfterEmpty;
    }
  }
  return Refusal::kNone;
}

}  // namespace

std::vector<RecordProblem> RecordProblems(const ControllerConfig& config) {
  std::vector<RecordProblem> problems;
  bool ledModeSeen = false;
  for (const Setting& setting : Settings()) {
    const bool ledMode =
        setting.kind == SettingKind::kLedOn || setting.kind == SettingKind::kLedEffect;
    if (ledMode) {
      // One damaged mode byte is one problem, named on the first LED setting it holds.
      const std::uint8_t mode = LedModeByte(config);
      if (!ledModeSeen && !LedModeIsValid(mode)) {
        problems.push_back({&setting, Refusal::kBadLedMode, mode});
      }
      ledModeSeen = true;
      continue;
    }
    const std::int32_t value = ValueOf(config, setting);
    Refusal refusal = CheckValue(setting, value);
    if (refusal == Refusal::kNone) refusal = SequenceRefusal(config, setting);
    if (refusal != Refusal::kNone) problems.push_back({&setting, refusal, value});
  }
  return problems;
}

std::optional<RecordProblem> FirstProblem(const ControllerConfig& config) {
  std::vector<RecordProblem> problems = RecordProblems(config);
  if (problems.empty()) return std::nullopt;
  return problems.front();
}

bool StepMayHoldKey(const ControllerConfig& config, const Setting& step) {
  if (step.kind != SettingKind::kRearStep) return false;
  for (int earlier = 1; earlier < step.index; ++earlier) {
    if (!StepHoldsKey(config, step.button, earlier)) return false;
  }
  return true;
}

std::vector<int> EmptyStepsFrom(ControllerConfig& config, const Setting& step) {
  std::vector<int> emptied;
  if (step.kind != SettingKind::kRearStep) return emptied;
  for (int later = step.index; later <= kStepsPerButton; ++later) {
    const int stepSlot = RearStepSlot(step.button, later);
    config.SetCode(stepSlot, 0);
    emptied.push_back(stepSlot);
    if (later > kDelaysPerButton) continue;  // the last step has no delay after it
    const int delaySlot = RearDelaySlot(step.button, later);
    config.SetCode(delaySlot, 0);
    emptied.push_back(delaySlot);
  }
  return emptied;
}

}  // namespace settings
