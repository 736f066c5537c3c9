// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Keyboard, pointer and top-level windows of the X server, through the XTEST extension; kept
// apart from Qt's headers (Xlib's macros clash with them).
class XTestInput {
 public:
  XTestInput();
  ~XTestInput();
  XTestInput(const XTestInput&) = delete;
  XTestInput& operator=(const XTestInput&) = delete;

  // False when no display can be opened or it lacks XTEST.
  bool Usable() const { return display_ != nullptr; }
  // Presses and releases the key with this X keycode.
  void Tap(unsigned keycode);
  // Moves the pointer to a point of the screen and clicks the left button there.
  void Click(int x, int y);
  // Moves the pointer there and presses a button (1 left, 3 right); Release lets it go.
  void Press(int x, int y, unsigned button);
  void Release(unsigned button);
  // One wheel step at the pointer: away from the user when `up`.
  void Wheel(bool up);

  // The first mapped top-level window whose title is `title` and that belongs to process `pid`
  // (0: any process); 0 when there is none.
  unsigned long FindWindow(const std::string& title, long pid = 0);
  // The screen position of a window's top-left corner.
  bool WindowOrigin(unsigned long window, int* x, int* y);
  // Gives a window the keyboard, as a window manager would.
  void Focus(unsigned long window);

 private:
  void* display_ = nullptr;
};
