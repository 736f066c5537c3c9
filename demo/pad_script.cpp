// SPDX-License-Identifier: GPL-3.0-or-later
#include "demo/pad_script.h"

#include <sstream>
#include <vector>

namespace {

struct ButtonName {
  const char* name;
  SDL_GameControllerButton button;
};
// SDL's own names for the buttons a handheld's pad has.
constexpr ButtonName kButtons[] = {
    {"a", SDL_CONTROLLER_BUTTON_A},
    {"b", SDL_CONTROLLER_BUTTON_B},
    {"x", SDL_CONTROLLER_BUTTON_X},
    {"y", SDL_CONTROLLER_BUTTON_Y},
    {"back", SDL_CONTROLLER_BUTTON_BACK},
    {"guide", SDL_CONTROLLER_BUTTON_GUIDE},
    {"start", SDL_CONTROLLER_BUTTON_START},
    {"leftstick", SDL_CONTROLLER_BUTTON_LEFTSTICK},
    {"rightstick", SDL_CONTROLLER_BUTTON_RIGHTSTICK},
    {"leftshoulder", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {"rightshoulder", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {"dpup", SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"dpdown", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"dpleft", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"dpright", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};

struct AxisName {
  const char* name;
  SDL_GameControllerAxis axis;
  bool trigger;
};
constexpr AxisName kAxes[] = {
    {"leftx", SDL_CONTROLLER_AXIS_LEFTX, false},
    {"lefty", SDL_CONTROLLER_AXIS_LEFTY, false},
    {"rightx", SDL_CONTROLLER_AXIS_RIGHTX, false},
    {"righty", SDL_CONTROLLER_AXIS_RIGHTY, false},
    {"lefttrigger", SDL_CONTROLLER_AXIS_TRIGGERLEFT, true},
    {"righttrigger", SDL_CONTROLLER_AXIS_TRIGGERRIGHT, true},
};

// A whole decimal number, optionally signed, within [low, high].
std::optional<long> Number(const std::string& text, long low, long high) {
  if (text.empty() || text.size() > 7) return std::nullopt;
  std::size_t start = text[0] == '-' || text[0] == '+' ? 1 : 0;
  if (start == text.size()) return std::nullopt;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
  }
  const long value = std::stol(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

std::optional<PadScriptLine> ParsePadScriptLine(const std::string& line, std::string* error) {
  auto fail = [&](const std::string& message) -> std::optional<PadScriptLine> {
    if (error != nullptr) *error = message;
    return std::nullopt;
  };
  std::istringstream words(line);
  std::vector<std::string> parts;
  for (std::string word; words >> word;) parts.push_back(word);
  PadScriptLine result;
  if (parts.empty() || parts[0][0] == '#') return result;
  const std::string& verb = parts[0];
  if (verb == "press" || verb == "release") {
    if (parts.size() != 2) return fail(verb + " takes one button name");
    for (const ButtonName& entry : kButtons) {
      if (parts[1] == entry.name) {
        result.kind = PadScriptLine::Kind::kButton;
        result.button = entry.button;
        result.down = verb == "press";
        return result;
      }
    }
    return fail("unknown button: " + parts[1]);
  }
  if (verb == "axis") {
    if (parts.size() != 3) return fail("axis takes an axis name and a value");
    for (const AxisName& entry : kAxes) {
      if (parts[1] != entry.name) continue;
      const long low = entry.trigger ? 0 : -32768;
      const auto value = Number(parts[2], low, 32767);
      if (!value) {
        return fail(parts[1] + " takes a whole number from " + std::to_string(low) +
                    " to 32767, not " + parts[2]);
      }
      result.kind = entry.trigger ? PadScriptLine::Kind::kTrigger : PadScriptLine::Kind::kStick;
      result.axis = entry.axis;
      result.value = static_cast<Sint16>(*value);
      return result;
    }
    return fail("unknown axis: " + parts[1]);
  }
  return fail("unknown command: " + verb + " (press, release or axis)");
}
