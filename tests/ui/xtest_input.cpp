// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/xtest_input.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {
Display* AsDisplay(void* display) {
  return static_cast<Display*>(display);
}

long WindowPid(Display* display, Window window) {
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
  if (pidAtom == None) return 0;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  long pid = 0;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success &&
      data != nullptr && count == 1 && format == 32) {
    pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data != nullptr) XFree(data);
  return pid;
}
}  // namespace

XTestInput::XTestInput() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return;
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor)) {
    XCloseDisplay(display);
    return;
  }
  display_ = display;
}

XTestInput::~XTestInput() {
  if (display_ != nullptr) XCloseDisplay(AsDisplay(display_));
}

void XTestInput::Tap(unsigned keycode) {
  Display* display = AsDisplay(display_);
  if (display == nullptr) return;
  XTestFakeKeyEvent(display, keycode, True, 0);
  XTestFakeKeyEvent(display, keycode, False, 0);
  XFlush(display);
}

void XTestInput::Click(int x, int y) {
  Display* display = AsDisplay(display_);
  if (display == nullptr) return;
  XTestFakeMotionEvent(display, -1, x, y, 0);
  XTestFakeButtonEvent(display, 1, True, 0);
  XTestFakeButtonEvent(display, 1, False, 0);
  XFlush(display);
}

void XTestInput::Press(int x, int y, unsigned button) {
  Display* display = AsDisplay(display_);
  if (display == nullptr) return;
  XTestFakeMotionEvent(display, -1, x, y, 0);
  XTestFakeButtonEvent(display, button, True, 0);
  XFlush(display);
}

void XTestInput::Release(unsigned button) {
  Display* display = AsDisplay(display_);
  if (display == nullptr) return;
  XTestFakeButtonEvent(display, button, False, 0);
  XFlush(display);
}

void XTestInput::Wheel(bool up) {
  Display* display = AsDisplay(display_);
  if (display == nullptr) return;
  const unsigned button = up ? 4 : 5;
  XTestFakeButtonEvent(display, button, True, 0);
  XTestFakeButtonEvent(display, button, False, 0);
  XFlush(display);
}

unsigned long XTestInput::FindWindow(const std::string& title, long pid) {
  Display* display = AsDisplay(display_);
  if (display == nullptr) return 0;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
    return 0;
  }
  unsigned long found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) ||
        attributes.map_state != IsViewable) {
      continue;
    }
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name != nullptr) {
      if (title == name && (pid == 0 || WindowPid(display, children[i]) == pid)) {
        found = children[i];
      }
      XFree(name);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

bool XTestInput::WindowOrigin(unsigned long window, int* x, int* y) {
  Display* display = AsDisplay(display_);
  if (display == nullptr || window == 0) return false;
  Window child = 0;
  return XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, x, y, &child);
}

void XTestInput::Focus(unsigned long window) {
  Display* display = AsDisplay(display_);
  if (display == nullptr || window == 0) return;
  XRaiseWindow(display, window);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  XFlush(display);
}
