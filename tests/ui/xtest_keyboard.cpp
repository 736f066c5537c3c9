#include "tests/ui/xtest_keyboard.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

XTestKeyboard::XTestKeyboard() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    XCloseDisplay(display);
    return;
  }
  display_ = display;
}

XTestKeyboard::~XTestKeyboard() {
  if (display_ != nullptr) XCloseDisplay(static_cast<Display*>(display_));
}

void XTestKeyboard::Tap(unsigned keycode) {
  auto* display = static_cast<Display*>(display_);
  if (display == nullptr) return;
  XTestFakeKeyEvent(display, keycode, True, 0);
  XTestFakeKeyEvent(display, keycode, False, 0);
  XFlush(display);
}
