// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "cli/cli_messages.h"
#include "config/controller_config.h"

// Every problem of a set of slot values that the tool understands: key slots must hold 0
// or a key of the vocabulary, rumble 0 to 2, the LED mode byte an on/off bit and an effect
// 0 to 2 with nothing in bits 1 to 3. Colour, dead-zone and delay slots take any 16-bit
// value, and the slots the tool does not interpret are carried as they are.
std::vector<Message> CheckSlots(const SlotWords& words);
