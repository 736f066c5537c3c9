// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/gamepad_capture.h"

#include "keynumbers/key_constants.h"

namespace {
// A stick counts as pushed only beyond this distance from centre, a trigger only above the
// other value: small drift of a resting pad must not fill a slot.
constexpr int kStickThreshold = 4096;
constexpr int kTriggerThreshold = 32;

// Window codes of the gamepad inputs (the controller codes come from the translation table).
struct ButtonInput {
  std::uint16_t bit;
  UiKeyCode uiKeyCode;
};
constexpr ButtonInput kButtons[] = {
    {padbutton::kDpadUp, ownkey::kDpadUp},
    {padbutton::kDpadDown, ownkey::kDpadDown},
    {padbutton::kDpadLeft, ownkey::kDpadLeft},
    {padbutton::kDpadRight, ownkey::kDpadRight},
    {padbutton::kStart, ownkey::kPadStart},
    {padbutton::kBack, ownkey::kPadBack},
    {padbutton::kLeftThumb, ownkey::kLeftThumb},
    {padbutton::kRightThumb, ownkey::kRightThumb},
    {padbutton::kLeftShoulder, ownkey::kLeftShoulder},
    {padbutton::kRightShoulder, ownkey::kRightShoulder},
    {padbutton::kHome, ownkey::kPadHome},
    {padbutton::kA, ownkey::kPadA},
    {padbutton::kB, ownkey::kPadB},
    {padbutton::kX, ownkey::kPadX},
    {padbutton::kY, ownkey::kPadY},
};

struct StickInputs {
  UiKeyCode left, right, down, up;
};
constexpr StickInputs kLeftStick{ownkey::kLeftStickLeft, ownkey::kLeftStickRight,
                                 ownkey::kLeftStickDown, ownkey::kLeftStickUp};
constexpr StickInputs kRightStick{ownkey::kRightStickLeft, ownkey::kRightStickRight,
                                  ownkey::kRightStickDown, ownkey::kRightStickUp};

// The stick's one direction, or 0 when it rests inside the threshold. Y is only looked at
// while X is inside, so a diagonal push counts as sideways.
UiKeyCode StickDirection(int x, int y, const StickInputs& inputs) {
  if (x < -kStickThreshold) return inputs.left;
  if (x > kStickThreshold) return inputs.right;
  if (y < -kStickThreshold) return inputs.down;
  if (y > kStickThreshold) return inputs.up;
  return 0;
}
}  // namespace

std::vector<GamepadCapture> GamepadCaptures(const GamepadState& state,
                                            const TranslationTable& table) {
  std::vector<UiKeyCode> active;
  for (const ButtonInput& button : kButtons) {
    // The whole word must be this one bit: two buttons together are no input.
    if (state.buttons == button.bit) active.push_back(button.uiKeyCode);
  }
  if (UiKeyCode code = StickDirection(state.leftX, state.leftY, kLeftStick)) active.push_back(code);
  if (UiKeyCode code = StickDirection(state.rightX, state.rightY, kRightStick)) {
    active.push_back(code);
  }
  if (state.leftTrigger > kTriggerThreshold) active.push_back(ownkey::kLeftTrigger);
  if (state.rightTrigger > kTriggerThreshold) active.push_back(ownkey::kRightTrigger);

  std::vector<GamepadCapture> captures;
  for (UiKeyCode uiKeyCode : active) {
    const KeyCode code = ToKeyCode(table, uiKeyCode);
    if (code == 0) continue;
    captures.push_back({code, KeyImageName(uiKeyCode)});
  }
  return captures;
}
