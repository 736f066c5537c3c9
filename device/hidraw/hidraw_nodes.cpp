// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidraw/hidraw_nodes.h"

#include <dirent.h>
#include <sys/ioctl.h>

#include <linux/hidraw.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "device/hidraw/hidraw_controller.h"

namespace {
constexpr const char* kNodePrefix = "hidraw";
}  // namespace

std::optional<unsigned> HidrawNodeNumber(const char* name) {
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

std::vector<unsigned> ListHidrawNodeNumbers() {
  std::vector<unsigned> numbers;
  DIR* folder = ::opendir(kHidrawClassFolder);
  if (folder == nullptr) return numbers;
  while (const dirent* entry = ::readdir(folder)) {
    if (const auto number = HidrawNodeNumber(entry->d_name)) numbers.push_back(*number);
  }
  ::closedir(folder);
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

std::string HidrawNodePath(unsigned number) {
  return std::string("/dev/") + kNodePrefix + std::to_string(number);
}

std::string SysfsDeviceFile(unsigned number, const char* name) {
  return std::string(kHidrawClassFolder) + "/" + kNodePrefix + std::to_string(number) + "/device/" +
         name;
}

bool NodeAnswersIdQuery(int fd) {
  hidraw_devinfo info{};
  return ::ioctl(fd, HIDIOCGRAWINFO, &info) >= 0;
}

bool NodeIsController(int fd) {
  hidraw_devinfo info{};
  if (::ioctl(fd, HIDIOCGRAWINFO, &info) < 0) return false;
  // The kernel declares the IDs as signed 16-bit fields.
  return static_cast<std::uint16_t>(info.vendor) == kControllerVendorId &&
         static_cast<std::uint16_t>(info.product) == kControllerProductId;
}

bool SysfsSaysController(unsigned number) {
  std::ifstream uevent(SysfsDeviceFile(number, "uevent"));
  std::string line;
  while (std::getline(uevent, line)) {
    unsigned bus = 0, vendor = 0, product = 0;
    if (std::sscanf(line.c_str(), "HID_ID=%x:%x:%x", &bus, &vendor, &product) == 3) {
      return vendor == kControllerVendorId && product == kControllerProductId;
    }
  }
  return false;
}

std::vector<std::uint8_t> ReadReportDescriptor(unsigned number, int fd) {
  std::ifstream file(SysfsDeviceFile(number, "report_descriptor"), std::ios::binary);
  std::vector<std::uint8_t> bytes;
  if (file) {
    bytes.assign(std::istreambuf_iterator<char>(file), {});
    if (bytes.size() > HID_MAX_DESCRIPTOR_SIZE) bytes.clear();
    if (!bytes.empty()) return bytes;
  }
  int size = 0;
  if (fd < 0 || ::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0 || size <= 0 ||
      size > HID_MAX_DESCRIPTOR_SIZE) {
    return {};
  }
  hidraw_report_descriptor descriptor{};
  descriptor.size = static_cast<__u32>(size);
  if (::ioctl(fd, HIDIOCGRDESC, &descriptor) < 0) return {};
  return std::vector<std::uint8_t>(descriptor.value, descriptor.value + size);
}
