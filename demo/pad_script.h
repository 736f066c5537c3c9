// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

#include <optional>
#include <string>

// One line of the script that drives the demo's virtual pad from standard input:
//   press NAME | release NAME     a button by SDL's game-controller name (a, b, dpup, start...)
//   axis NAME VALUE               an axis by SDL's name: sticks -32768..32767 (Y negative up),
//                                 triggers (lefttrigger, righttrigger) 0..32767
// Blank lines and lines starting with '#' are nothing to do.
struct PadScriptLine {
  enum class Kind { kNothing, kButton, kStick, kTrigger };
  Kind kind = Kind::kNothing;
  SDL_GameControllerButton button = SDL_CONTROLLER_BUTTON_INVALID;
  bool down = false;
  SDL_GameControllerAxis axis = SDL_CONTROLLER_AXIS_INVALID;
  Sint16 value = 0;
};

// The line's meaning, or nothing with `error` saying what is wrong with it.
std::optional<PadScriptLine> ParsePadScriptLine(const std::string& line, std::string* error);
