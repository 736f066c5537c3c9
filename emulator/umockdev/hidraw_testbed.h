// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/report_transport.h"

// How a fake hidraw interface answers the two report ioctls. A handler that returns false,
// or an empty one, makes that ioctl fail with EPIPE, as a device that refuses the request
// would; a removed interface fails every ioctl with ENODEV.
struct ReportHandlers {
  std::function<bool(const Report&)> output;
  std::function<bool(Report&)> input;
};

enum class HidrawNodeKind {
  kServed,       // /dev node answers the ID query and the report ioctls
  kMissingNode,  // listed in /sys but has no /dev node
  kOpenFails,    // the /dev node exists but cannot be opened for reading and writing
  kNoIoctl,      // the /dev node opens but answers no ioctl at all
  kRootOnly,     // the /dev node is a plain file only root may open (mode 0600)
};

struct HidrawInterface {
  unsigned number = 0;  // the N of hidrawN
  std::uint16_t vendor = 0;
  std::uint16_t product = 0;
  HidrawNodeKind kind = HidrawNodeKind::kServed;
  ReportHandlers reports;
  // Published as the HID device's sysfs report_descriptor; none when empty.
  std::vector<std::uint8_t> reportDescriptor = {};
};

// A fake /sys and /dev built with umockdev inside the current process. The process must
// run with umockdev's preload library (see preload_reexec.h); ioctls are answered on
// umockdev's worker thread, so report handlers must be thread-safe.
// Only one testbed may exist at a time.
class HidrawTestbed {
 public:
  HidrawTestbed();
  ~HidrawTestbed();
  HidrawTestbed(const HidrawTestbed&) = delete;
  HidrawTestbed& operator=(const HidrawTestbed&) = delete;

  // False with a message in `error` when umockdev refused the device.
  bool Add(const HidrawInterface& interface, std::string* error = nullptr);

  // Unplugs the interface as the kernel does: its /sys entries and /dev node disappear and
  // every ioctl on a descriptor still open fails with ENODEV. (umockdev alone removes the
  // files but keeps answering open descriptors, and after a detach the pseudo-terminal
  // behind the node answers the report ioctls with 0, so the testbed answers them itself.)
  // Its number is not given out again.
  bool Remove(unsigned number, std::string* error = nullptr);

  // How often a served node was opened and asked for its IDs so far (0 for other kinds).
  // Every open node is a pseudo-terminal in this process: /proc/self/fd shows it as
  // /dev/pts/N, which lets tests count the nodes still open.
  int OpenCount(unsigned number) const;
  int IdQueryCount(unsigned number) const;

  // Publishes the firmware table's board name as /sys/class/dmi/id/board_name.
  bool SetBoardName(const std::string& value, std::string* error = nullptr);

  // The folder that stands in for / (holds sys/ and dev/).
  std::string RootDir() const;
  // Opens the testbed's folders and umockdev's ioctl sockets to an unprivileged user, so a
  // child that gave up root can search it; the nodes keep their own modes. False on failure.
  bool OpenToUnprivilegedUsers() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
