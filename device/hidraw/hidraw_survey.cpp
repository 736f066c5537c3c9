// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidraw/hidraw_survey.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "device/hidraw/hidden_node.h"
#include "device/hidraw/hidraw_nodes.h"
#include "device/hidraw/report_descriptor.h"
#include "device/hidraw/sysfs_description.h"

namespace {

// Whether another open descriptor holds the node's exchange lock; the lock is let go again
// at once when it was free.
bool LockHeldElsewhere(int fd) {
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result < 0 && errno == EINTR);
  if (result == 0) {
    ::flock(fd, LOCK_UN);
    return false;
  }
  return errno == EWOULDBLOCK;
}

}  // namespace

InterfaceSurvey SurveyHidrawInterfaces() {
  InterfaceSurvey survey;
  bool anyTaken = false;
  for (const unsigned number : ListHidrawNodeNumbers()) {
    if (!SysfsSaysController(number)) continue;
    InterfaceFinding finding;
    finding.name = "hidraw" + std::to_string(number);
    finding.node = HidrawNodePath(number);
    finding.deviceDescription =
        DescribeSysfsDevice(std::string(kHidrawClassFolder) + "/" + finding.name);

    const int fd = ::open(finding.node.c_str(), O_RDWR | O_CLOEXEC);
    finding.openError = fd < 0 ? errno : 0;
    const std::vector<std::uint8_t> descriptor = ReadReportDescriptor(number, fd);
    if (descriptor.empty()) {
      finding.kinds = "no descriptor";
    } else {
      const DescriptorSummary summary =
          SummarizeReportDescriptor(descriptor.data(), descriptor.size());
      finding.kinds = DescribeCollections(summary);
      finding.keyboardOrMouse = IsKeyboardOrMouseOnly(summary);
    }
    if (fd < 0) {
      finding.hiddenSigns = HiddenNodeSigns(finding.node, finding.openError);
      finding.accessListGrantsUser = AccessListGrantsUser(finding.node, ::geteuid());
    } else {
      finding.answersOtherIds = NodeAnswersIdQuery(fd) && !NodeIsController(fd);
      finding.taken = !anyTaken && !finding.answersOtherIds && !finding.keyboardOrMouse;
      if (finding.taken) finding.lockHeldElsewhere = LockHeldElsewhere(fd);
      anyTaken = anyTaken || finding.taken;
      ::close(fd);
    }
    survey.push_back(std::move(finding));
  }
  return survey;
}
