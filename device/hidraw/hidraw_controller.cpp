// Linux backend of the controller search: the kernel's hidraw interface.
#include "device/hidraw/hidraw_controller.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <linux/hidraw.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr const char* kHidrawClassFolder = "/sys/class/hidraw";
constexpr const char* kDeviceFolder = "/dev/";
constexpr const char* kNodePrefix = "hidraw";

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
    return Ioctl(HIDIOCSOUTPUT(kReportSize), buffer.data()) >= 0;
  }

  bool GetInputReport(Report& report) override {
    return Ioctl(HIDIOCGINPUT(kReportSize), report.data()) >= 0;
  }

  std::string Location() const override { return path_; }

 private:
  int Ioctl(unsigned long request, std::uint8_t* buffer) const {
    int result;
    do {
      result = ::ioctl(fd_, request, buffer);
    } while (result < 0 && errno == EINTR);
    return result;
  }

  int fd_;
  std::string path_;
};

// The N of a directory entry named "hidrawN", or nothing for any other name.
std::optional<unsigned> NodeNumber(const char* name) {
  const std::string text(name);
  const std::string prefix(kNodePrefix);
  if (text.size() <= prefix.size() || text.compare(0, prefix.size(), prefix) != 0) {
    return std::nullopt;
  }
  const std::string digits = text.substr(prefix.size());
  // Nine digits keep the value inside unsigned range; the kernel never gets near that.
  if (digits.size() > 9 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  return static_cast<unsigned>(std::stoul(digits));
}

// The hidraw node numbers present now, in ascending numeric order.
std::vector<unsigned> ListNodeNumbers() {
  std::vector<unsigned> numbers;
  DIR* folder = ::opendir(kHidrawClassFolder);
  if (folder == nullptr) return numbers;
  while (const dirent* entry = ::readdir(folder)) {
    if (const auto number = NodeNumber(entry->d_name)) numbers.push_back(*number);
  }
  ::closedir(folder);
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

bool IsController(int fd) {
  hidraw_devinfo info{};
  if (::ioctl(fd, HIDIOCGRAWINFO, &info) < 0) return false;
  // The kernel declares the IDs as signed 16-bit fields.
  return static_cast<std::uint16_t>(info.vendor) == kControllerVendorId &&
         static_cast<std::uint16_t>(info.product) == kControllerProductId;
}

}  // namespace

std::unique_ptr<ReportTransport> OpenHidrawController() {
  for (const unsigned number : ListNodeNumbers()) {
    const std::string path = kDeviceFolder + std::string(kNodePrefix) + std::to_string(number);
    // Shared access: other programs may keep the controller open at the same time.
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) continue;
    if (IsController(fd)) return std::make_unique<HidrawTransport>(fd, path);
    ::close(fd);
  }
  return nullptr;
}
