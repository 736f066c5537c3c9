#include "keys/gamepad_capture.h"

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
    {0x0001, 0xFFF6},  // d-pad up
    {0x0002, 0xFFF5},  // d-pad down
    {0x0004, 0xFFF4},  // d-pad left
    {0x0008, 0xFFF3},  // d-pad right
    {0x0010, 0xFFE7},  // Start
    {0x0020, 0xFFE6},  // Back
    {0x0040, 0xFFE9},  // L3
    {0x0080, 0xFFE8},  // R3
    {0x0100, 0xFFE4},  // L1
    {0x0200, 0xFFE3},  // R1
    {0x0400, 0xFFE5},  // Home
    {0x1000, 0xFFF2},  // A
    {0x2000, 0xFFF1},  // B
    {0x4000, 0xFFEF},  // X
    {0x8000, 0xFFEE},  // Y
};

struct StickInputs {
  UiKeyCode left, right, down, up;
};
constexpr StickInputs kLeftStick{0xFFEB, 0xFFEA, 0xFFEC, 0xFFED};
constexpr StickInputs kRightStick{0xFFDE, 0xFFDD, 0xFFDF, 0xFFE0};
constexpr UiKeyCode kLeftTrigger = 0xFFE2;
constexpr UiKeyCode kRightTrigger = 0xFFE1;

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
  if (state.leftTrigger > kTriggerThreshold) active.push_back(kLeftTrigger);
  if (state.rightTrigger > kTriggerThreshold) active.push_back(kRightTrigger);

  std::vector<GamepadCapture> captures;
  for (UiKeyCode uiKeyCode : active) {
    const KeyCode code = ToKeyCode(table, uiKeyCode);
    if (code == 0) continue;
    captures.push_back({code, KeyImageName(uiKeyCode)});
  }
  return captures;
}
