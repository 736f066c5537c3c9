#pragma once

// Switches the input method off for every window of the program, so key presses reach the
// window as plain keys instead of being composed into text. The argument is kept for the
// classic call shape and ignored. Always true.
bool ImmDisableIME(unsigned long threadId);
