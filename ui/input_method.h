// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Switches the input method off for every window of the program, so key presses reach the
// window as plain keys instead of being composed into text.
void DisableInputMethod();
