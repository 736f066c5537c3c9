// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/slot_editing.h"

#include <cwctype>
#include <limits>

#include "link/debug_trace.h"
#include "keys/key_slots.h"
#include "settings/setting_table.h"

namespace pages {
namespace {
const QString kNormal = QStringLiteral("normalimage");
const QString kHot = QStringLiteral("hotimage");
const QString kPushed = QStringLiteral("pushedimage");
}  // namespace

void ShowArmedSlot(PageControls& controls, std::uint32_t slot) {
  const QString hot = QString::fromLatin1(kKeyHotImage);
  const QString push = QString::fromLatin1(kKeyPushImage);
  for (const SlotButton& button : SlotButtons()) {
    controls.SetAttribute(button.buttonName, kNormal, QString());
    controls.SetAttribute(button.buttonName, kHot, hot);
    controls.SetAttribute(button.buttonName, kPushed, push);
  }
  const char* armed = SlotButtonName(static_cast<int>(slot));
  if (armed == nullptr) return;
  controls.SetAttribute(armed, kHot, push);
  controls.SetAttribute(armed, kNormal, push);
}

void SetSlotPicture(PageControls& controls, std::uint32_t slot, const QString& picture) {
  const char* button = SlotButtonName(static_cast<int>(slot));
  if (button == nullptr) return;
  controls.SetAttribute(button, QStringLiteral("bkimage"), picture);
  controls.SetAttribute(button, kHot, QString::fromLatin1(kKeyHotImage));
}

void ShowSlotCode(PageControls& controls, const TranslationTable& table, int slot,
                  std::uint16_t code, const TraceSink& trace) {
  const UiKeyCode uiKeyCode = ToUiKeyCode(table, code);
  DebugTrace(trace, L"Type:%d\uFF0CKeyCode:%x", 0, uiKeyCode);
  SetSlotPicture(controls, static_cast<std::uint32_t>(slot), KeyImageName(uiKeyCode));
}

static_assert(kWindowSteps == settings::kRearButtons * settings::kStepsPerButton);

std::array<QString, kWindowSteps> StepPictures(const PageControls& controls) {
  std::array<QString, kWindowSteps> pictures;
  for (int step = 1; step <= kWindowSteps; ++step) {
    pictures[static_cast<std::size_t>(step - 1)] =
        controls.GetBkImage(SlotButtonName(settings::StepSlot(step)));
  }
  return pictures;
}

bool StepMayBeArmed(int step, const std::array<QString, kWindowSteps>& stepPictures) {
  if (step < 1 || step > kWindowSteps) return false;
  // The rule is the core's (a step holds a key once every earlier step of its button does),
  // judged here on the pictures the page shows.
  const int first = (step - 1) / settings::kStepsPerButton * settings::kStepsPerButton + 1;
  for (int earlier = first; earlier < step; ++earlier) {
    if (IsNoKeyImage(stepPictures[static_cast<std::size_t>(earlier - 1)])) return false;
  }
  return true;
}

std::uint16_t DelayFromText(const QString& text) {
  const std::wstring wide = text.toStdWString();
  std::size_t i = 0;
  while (i < wide.size() && std::iswspace(static_cast<wint_t>(wide[i]))) ++i;
  bool negative = false;
  if (i < wide.size() && (wide[i] == L'+' || wide[i] == L'-')) negative = wide[i++] == L'-';
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; i < wide.size() && wide[i] >= L'0' && wide[i] <= L'9'; ++i) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (wide[i] - L'0'), kMax + 1);
  }
  const std::int64_t value = negative ? -magnitude : std::min(magnitude, kMax);
  return static_cast<std::uint16_t>(static_cast<std::uint64_t>(value) & 0xFFFF);
}

void CaptureIntoSlot(PageControls& controls, ControllerConfig& config, std::uint32_t slot,
                     KeyCode code, const QString& picture) {
  if (code == 0 || slot >= static_cast<std::uint32_t>(slots::kCount)) return;
  SetSlotPicture(controls, slot, picture);
  config.SetCode(static_cast<int>(slot), code);
}

}  // namespace pages
