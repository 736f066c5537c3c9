// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/led_settings.h"

#include "models/model_layout.h"
#include "names/control_names.h"
#include "settings/setting_values.h"

namespace pages {
namespace {
constexpr std::uint32_t kMarkedBorder = 0xFFFFFFFF;
constexpr std::uint32_t kUnmarkedBorder = 0x00FFFFFF;
const QString kSelected = QStringLiteral("selected");
const QString kTrue = QStringLiteral("true");
const QString kFalse = QStringLiteral("false");

// The effect options stand for the effects the settings core knows, by number.
static_assert(names::kLedEffects.size() == settings::kLedEffectNames.size());

// The effect option of an effect number; nullptr for numbers no option stands for.
const char* EffectOption(int effect) {
  if (effect < 0 || effect >= static_cast<int>(names::kLedEffects.size())) return nullptr;
  return names::kLedEffects[static_cast<std::size_t>(effect)];
}

int EffectOf(std::uint8_t modeByte) {
  return static_cast<int>(LedEffectOf(modeByte));
}

void EnableEffects(PageControls& controls, bool enabled) {
  for (const char* option : names::kLedEffects) controls.SetEnabled(option, enabled);
}

void UnselectEffects(PageControls& controls) {
  for (const char* option : names::kLedEffects) controls.SetAttribute(option, kSelected, kFalse);
}

// LED on: effects usable, the stored one chosen, colours offered unless the LED rotates.
void ShowLedOn(PageControls& controls, int effect, const std::string& boardModel) {
  EnableEffects(controls, true);
  if (const char* option = EffectOption(effect)) controls.SetAttribute(option, kSelected, kTrue);
  if (ShowsLedGroups(boardModel))
    controls.SetVisible(names::kLedColourGroup, effect != static_cast<int>(LedEffect::kRotating));
}

void ShowLedOff(PageControls& controls, const std::string& boardModel) {
  UnselectEffects(controls);
  EnableEffects(controls, false);
  if (ShowsLedGroups(boardModel)) controls.SetVisible(names::kLedColourGroup, false);
}
}  // namespace

std::uint16_t LedCodeAfterClick(std::uint16_t code, LedClick click) {
  const auto mode = static_cast<std::uint8_t>(code & 0xFF);
  std::uint8_t next = mode;
  switch (click) {
    case LedClick::kOnOff:
      next = WithLedOn(mode, !LedIsOn(mode));
      break;
    case LedClick::kRotating:
      next = WithLedEffect(mode, LedEffect::kRotating);
      break;
    case LedClick::kConstant:
      next = WithLedEffect(mode, LedEffect::kConstant);
      break;
    case LedClick::kBreathing:
      next = WithLedEffect(mode, LedEffect::kBreathing);
      break;
  }
  return static_cast<std::uint16_t>((code & 0xFF00) | next);
}

void SetLedMode(PageControls& controls, ControllerConfig& config, LedClick click,
                const std::string& boardModel) {
  const std::uint16_t code = LedCodeAfterClick(config.Code(slots::kLedModeAndRed), click);
  config.SetCode(slots::kLedModeAndRed, code);
  const bool showsColours = ShowsLedGroups(boardModel);
  switch (click) {
    case LedClick::kOnOff:
      if (LedIsOn(static_cast<std::uint8_t>(code & 0xFF))) {
        ShowLedOn(controls, EffectOf(static_cast<std::uint8_t>(code & 0xFF)), boardModel);
      } else {
        ShowLedOff(controls, boardModel);
      }
      break;
    case LedClick::kRotating:
      if (showsColours) controls.SetVisible(names::kLedColourGroup, false);
      break;
    case LedClick::kConstant:
    case LedClick::kBreathing:
      if (showsColours) controls.SetVisible(names::kLedColourGroup, true);
      break;
  }
}

void ShowLedMode(PageControls& controls, std::uint8_t modeByte, const std::string& boardModel) {
  if (LedIsOn(modeByte)) {
    controls.SetAttribute(names::kLedOnOff, kSelected, kTrue);
    ShowLedOn(controls, EffectOf(modeByte), boardModel);
  } else {
    controls.SetAttribute(names::kLedOnOff, kSelected, kFalse);
    ShowLedOff(controls, boardModel);
  }
}

void PickLedColour(PageControls& controls, ControllerConfig& config,
                   const std::vector<std::uint32_t>& palette, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= palette.size() ||
      static_cast<std::size_t>(index) >= names::kLedSwatches.size()) {
    return;
  }
  for (const char* swatch : names::kLedSwatches) controls.SetBorderColor(swatch, kUnmarkedBorder);
  SetLedColour(config, palette[static_cast<std::size_t>(index)]);
  controls.SetBorderColor(names::kLedSwatches[static_cast<std::size_t>(index)], kMarkedBorder);
}

void MarkColourSwatch(PageControls& controls, const std::vector<std::uint32_t>& palette,
                      std::uint32_t colour) {
  // One outline at a time: the colour the record holds, or none when it is not in the palette.
  for (const char* swatch : names::kLedSwatches) controls.SetBorderColor(swatch, kUnmarkedBorder);
  for (std::size_t i = 0; i < palette.size() && i < names::kLedSwatches.size(); ++i) {
    if (palette[i] == colour) {
      controls.SetBorderColor(names::kLedSwatches[i], kMarkedBorder);
      return;
    }
  }
}

}  // namespace pages
