// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The system's hidraw interfaces as /sys and /dev show them; shared by the controller search
// and the look at its interfaces.

inline constexpr const char* kHidrawClassFolder = "/sys/class/hidraw";

// The N of a directory entry named "hidrawN", or nothing for any other name.
std::optional<unsigned> HidrawNodeNumber(const char* name);
// The hidraw node numbers present now, in ascending numeric order.
std::vector<unsigned> ListHidrawNodeNumbers();
// "/dev/hidrawN".
std::string HidrawNodePath(unsigned number);
// A file of the HID device behind hidrawN ("/sys/class/hidraw/hidrawN/device/NAME").
std::string SysfsDeviceFile(unsigned number, const char* name);
// The IDs as sysfs publishes them (HID_ID=bus:vendor:product in the HID device's uevent),
// for a node that cannot be opened to ask.
bool SysfsSaysController(unsigned number);
// True when the open node answers the ID query with the controller's IDs.
bool NodeIsController(int fd);
// True when the open node answers the ID query at all (a recorded node may not).
bool NodeAnswersIdQuery(int fd);
// The interface's report descriptor, from sysfs or else from the open node (fd < 0: sysfs
// only); empty when neither gives it.
std::vector<std::uint8_t> ReadReportDescriptor(unsigned number, int fd);
