// SPDX-License-Identifier: GPL-3.0-or-later
// Linux backend of the controller search: the kernel's hidraw interface.
#include "device/hidraw/hidraw_controller.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <linux/hidraw.h>

#include <cerrno>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "device/hidraw/hidden_node.h"
#include "device/hidraw/hidraw_nodes.h"
#include "device/hidraw/report_descriptor.h"

namespace {

// What a failed report ioctl's error says about the device.
TransportFault FaultOf(int error, int fd) {
  switch (error) {
    case ENODEV:
    case ENOENT:
    case EIO:
    case ESHUTDOWN:
      return TransportFault::kGone;
    case ENOTTY:
    case EINVAL:
      // Kernels before 5.11 know neither report ioctl and refuse it this way.
      return TransportFault::kUnsupported;
    default:
      break;
  }
  // Some failures only show on the descriptor itself: a removed device hangs up.
  pollfd probe{fd, POLLIN, 0};
  if (::poll(&probe, 1, 0) > 0 && (probe.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
    return TransportFault::kGone;
  }
  return TransportFault::kOther;
}

// An owned hidraw file descriptor; exchanges 65-byte output and input reports.
class HidrawTransport final : public ReportTransport {
 public:
  HidrawTransport(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~HidrawTransport() override { ::close(fd_); }
  HidrawTransport(const HidrawTransport&) = delete;
  HidrawTransport& operator=(const HidrawTransport&) = delete;

  bool SendOutputReport(const Report& report) override {
    // The ioctl takes a writable buffer even though it only reads it.
    Report buffer = report;
    return Ioctl(HIDIOCSOUTPUT(kReportSize), buffer.data());
  }

  bool GetInputReport(Report& report) override {
    return Ioctl(HIDIOCGINPUT(kReportSize), report.data());
  }

  std::string Location() const override { return path_; }
  // The device number: the same through every name of the node, and a new one after a replug.
  std::string Identity() const override {
    struct stat node {};
    if (::fstat(fd_, &node) != 0 || !S_ISCHR(node.st_mode)) return {};
    return "hidraw " + std::to_string(major(node.st_rdev)) + ":" +
           std::to_string(minor(node.st_rdev));
  }
  TransportFault LastFault() const override { return fault_; }

  // On the open node itself: every program that opens the same node meets the same lock, and
  // the system drops it with the descriptor, so a killed program never leaves it held.
  ExchangeLockAttempt TryLockExchanges() override {
    int result;
    do {
      result = ::flock(fd_, LOCK_EX | LOCK_NB);
    } while (result < 0 && errno == EINTR);
    if (result == 0) return ExchangeLockAttempt::kTaken;
    if (errno == EWOULDBLOCK) return ExchangeLockAttempt::kBusy;
    // A node that cannot be locked at all (ENOLCK and the like) is used as it always was:
    // refusing it would lock the user out of the controller for a missing nicety.
    return ExchangeLockAttempt::kTaken;
  }
  void UnlockExchanges() override { ::flock(fd_, LOCK_UN); }

 private:
  bool Ioctl(unsigned long request, std::uint8_t* buffer) {
    int result;
    do {
      result = ::ioctl(fd_, request, buffer);
    } while (result < 0 && errno == EINTR);
    if (result >= 0) return true;
    fault_ = FaultOf(errno, fd_);
    return false;
  }

  int fd_;
  std::string path_;
  TransportFault fault_ = TransportFault::kOther;
};

// A controller interface looked at but not yet taken.
struct Candidate {
  int fd = -1;
  std::string path;
  DescriptorSummary summary;
  bool descriptorRead = false;
};

// Why `candidate` cannot take the settings reports, for the trace.
std::string WhyPassedOver(const Candidate& candidate) {
  const std::string what =
      candidate.descriptorRead ? DescribeCollections(candidate.summary) : "descriptor unreadable";
  return "passed over " + candidate.path + " (" + what +
         "): it declares no 64-byte output and input report 0x01";
}

}  // namespace

ControllerSearch OpenHidrawController() {
  ControllerSearch search;
  // Interfaces of the controller passed over so far, kept open while a later one may still
  // declare the exchange; the first of them that today's rule accepts is the fallback.
  std::vector<Candidate> passed;
  const auto closePassed = [&passed](int keep) {
    for (const Candidate& candidate : passed) {
      if (candidate.fd != keep) ::close(candidate.fd);
    }
  };
  for (const unsigned number : ListHidrawNodeNumbers()) {
    const std::string path = HidrawNodePath(number);
    // Shared access: other programs may keep the controller open at the same time.
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
      const int error = errno;
      // A node missing from /dev is counted as refused: a program that takes the controller
      // for itself may move the node away rather than close it.
      const bool refused = error == EACCES || error == EPERM || error == ENOENT;
      if (refused && search.deniedNode.empty() && SysfsSaysController(number)) {
        search.deniedNode = path;
        search.deniedNodeTaken = NodeHiddenFromUser(path, error);
      }
      continue;
    }
    if (!NodeIsController(fd)) {
      ::close(fd);
      continue;
    }
    Candidate candidate{fd, path, {}, false};
    const std::vector<std::uint8_t> descriptor = ReadReportDescriptor(number, fd);
    candidate.descriptorRead = !descriptor.empty();
    candidate.summary = SummarizeReportDescriptor(descriptor.data(), descriptor.size());
    if (DeclaresSettingsExchange(candidate.summary)) {
      // Reports go only to an interface made for them: a keyboard interface listed first
      // (with a consumer-control collection, say) would take them as keystrokes.
      for (const Candidate& before : passed) search.notes.push_back(WhyPassedOver(before));
      search.notes.push_back("took " + path +
                             ": it declares the 64-byte output and input report 0x01");
      closePassed(-1);
      search.transport = std::make_unique<HidrawTransport>(fd, path);
      search.deniedNode.clear();
      search.deniedNodeTaken = false;
      return search;
    }
    passed.push_back(std::move(candidate));
  }
  // No interface says it takes the exchange (descriptors that cannot be read, a firmware that
  // words them otherwise): the first one that is not only a keyboard or mouse, as before.
  for (const Candidate& candidate : passed) {
    if (IsKeyboardOrMouseOnly(candidate.summary)) {
      search.notes.push_back("passed over " + candidate.path + " (" +
                             DescribeCollections(candidate.summary) +
                             "): a keyboard or mouse interface only");
      continue;
    }
    search.notes.push_back("took " + candidate.path +
                           ": no interface declares the 64-byte report 0x01 exchange, and it is "
                           "not a keyboard or mouse interface only");
    closePassed(candidate.fd);
    search.transport = std::make_unique<HidrawTransport>(candidate.fd, candidate.path);
    search.deniedNode.clear();
    search.deniedNodeTaken = false;
    return search;
  }
  closePassed(-1);
  return search;
}
