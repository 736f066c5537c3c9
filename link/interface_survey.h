// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

// What a look at the controller's interfaces found, without exchanging a report: for a
// person to read (padctl doctor) and to hand on (its report). Filled by the platform's
// backend; the judging and wording are the front-end's.
struct InterfaceFinding {
  std::string name;  // "hidraw2"
  std::string node;  // "/dev/hidraw2"
  // The top-level collections its report descriptor declares ("vendor-defined 0xff00:0x01",
  // "keyboard", ...); "no descriptor" or "damaged descriptor" when it cannot tell.
  std::string kinds;
  bool keyboardOrMouse = false;  // the desktop keeps it; the search passes it over
  int openError = 0;             // 0: it opened for reading and writing; else errno
  bool answersOtherIds = false;  // it opened and its node gave other IDs than sysfs
  bool taken = false;            // the interface the controller search takes
  // When it did not open: each sign that another program hid it from this user.
  std::vector<std::string> hiddenSigns;
  // When it did not open: whether the node's access list gives this user reading and
  // writing (what a udev "uaccess" tag grants to the user at the seat).
  bool accessListGrantsUser = false;
  // For the taken interface: another program holds its exchange lock now.
  bool lockHeldElsewhere = false;
  // The interface and the devices above it in umockdev's device-description format.
  std::string deviceDescription;
};

using InterfaceSurvey = std::vector<InterfaceFinding>;
// How the interfaces are looked at; an empty one finds none (the emulator has no interfaces).
using InterfaceSurveyor = std::function<InterfaceSurvey()>;
