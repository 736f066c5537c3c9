#pragma once

// A keyboard on the X server through the XTEST extension, kept apart from Qt's headers
// (Xlib's macros clash with them).
class XTestKeyboard {
 public:
  XTestKeyboard();
  ~XTestKeyboard();
  XTestKeyboard(const XTestKeyboard&) = delete;
  XTestKeyboard& operator=(const XTestKeyboard&) = delete;

  // False when no display can be opened or it lacks XTEST.
  bool Usable() const { return display_ != nullptr; }
  // Presses and releases the key with this X keycode.
  void Tap(unsigned keycode);

 private:
  void* display_ = nullptr;
};
