// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The device at `classEntry` (a /sys/class/... entry) and the devices above it, up to and
// including the USB device, in umockdev's device-description format: what umockdev-record
// writes and `umockdev-run --device` reads, so that a report from someone's machine replays
// its interfaces here. Properties come from each device's uevent, attributes from its
// readable files (text as "A:", anything else as "H:" hex), and the `device` link as "L:".
// A serial number is left out: it names one person's device and reproduces nothing.
// Empty when the entry cannot be resolved.
std::string DescribeSysfsDevice(const std::string& classEntry);
