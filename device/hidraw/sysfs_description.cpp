// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidraw/sysfs_description.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char* kSysfsRoot = "/sys";
constexpr const char* kDevicesFolder = "/sys/devices";
// Sysfs attributes fit one page; the largest we want, a report descriptor, is 4096 bytes.
constexpr std::size_t kMaxAttributeBytes = 4096;
// The hidraw node, the HID device, the USB interface and the USB device, with room for a bus
// in between; a deeper walk is no longer about the controller.
constexpr int kMaxDevices = 6;

std::string LinkTarget(const std::string& path) {
  char target[1024];
  const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof target) return {};
  return std::string(target, static_cast<std::size_t>(length));
}

// `relative` taken from `folder`, with "." and ".." resolved by name.
std::string Resolve(const std::string& folder, const std::string& relative) {
  std::vector<std::string> parts;
  const std::string joined = relative.rfind('/', 0) == 0 ? relative : folder + "/" + relative;
  std::size_t at = 0;
  while (at <= joined.size()) {
    const std::size_t next = std::min(joined.find('/', at), joined.size());
    const std::string part = joined.substr(at, next - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = next + 1;
  }
  std::string path;
  for (const std::string& part : parts) path += "/" + part;
  return path;
}

bool ReadSmallFile(const std::string& path, std::string* contents) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  std::string bytes(kMaxAttributeBytes, '\0');
  std::size_t filled = 0;
  bool ok = true;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) ok = false;
    if (got <= 0) break;
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  bytes.resize(filled);
  *contents = bytes;
  return ok;
}

bool IsText(const std::string& value) {
  return std::all_of(value.begin(), value.end(),
                     [](char c) { return c == '\n' || (c >= 0x20 && c <= 0x7E && c != '\\'); });
}

std::string Hex(const std::string& value) {
  static const char* kDigits = "0123456789ABCDEF";
  std::string text;
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

std::string Escaped(const std::string& value) {
  std::string text;
  for (const char c : value) text += c == '\n' ? std::string("\\n") : std::string(1, c);
  return text;
}

bool IsPersonal(const std::string& name) {
  return name == "serial" || name == "HID_UNIQ" || name.rfind("ID_SERIAL", 0) == 0;
}

std::vector<std::string> SortedEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::string DescribeOne(const std::string& path) {
  std::string text = "P: " + path.substr(std::string(kSysfsRoot).size()) + "\n";
  std::string uevent;
  std::string properties;
  if (ReadSmallFile(path + "/uevent", &uevent)) {
    std::size_t at = 0;
    while (at < uevent.size()) {
      const std::size_t end = std::min(uevent.find('\n', at), uevent.size());
      std::string line = uevent.substr(at, end - at);
      at = end + 1;
      const std::size_t equals = line.find('=');
      if (equals == std::string::npos || equals == 0 || IsPersonal(line.substr(0, equals)))
        continue;
      if (line.rfind("DEVNAME=", 0) == 0) {
        std::string name = line.substr(8);
        if (name.rfind("/dev/", 0) == 0) name = name.substr(5);
        text += "N: " + name + "\n";
        line = "DEVNAME=/dev/" + name;
      }
      if (IsText(line)) properties += "E: " + line + "\n";
    }
  }
  text += properties;
  for (const std::string& name : SortedEntries(path)) {
    const std::string entry = path + "/" + name;
    struct stat info {};
    if (::lstat(entry.c_str(), &info) != 0) continue;
    if (S_ISLNK(info.st_mode) && name == "device") {
      const std::string target = LinkTarget(entry);
      if (!target.empty() && IsText(target)) text += "L: device=" + target + "\n";
      continue;
    }
    if (!S_ISREG(info.st_mode) || name == "uevent" || IsPersonal(name)) continue;
    if ((info.st_mode & S_IRUSR) == 0) continue;  // write-only controls
    std::string value;
    if (!ReadSmallFile(entry, &value)) continue;
    text += IsText(value) ? "A: " + name + "=" + Escaped(value) + "\n"
                          : "H: " + name + "=" + Hex(value) + "\n";
  }
  return text;
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

}  // namespace

std::string DescribeSysfsDevice(const std::string& classEntry) {
  const std::string target = LinkTarget(classEntry);
  if (target.empty()) return {};
  const std::string entryFolder = classEntry.substr(0, classEntry.rfind('/'));
  std::string path = Resolve(entryFolder, target);
  const std::string devices = kDevicesFolder;
  if (path.rfind(devices + "/", 0) != 0) return {};
  std::string text;
  int described = 0;
  while (path.size() > devices.size() && described < kMaxDevices) {
    // Class folders ("hidraw", "input") sit between devices; only folders with a uevent are
    // devices.
    if (Exists(path + "/uevent")) {
      text += (text.empty() ? "" : "\n") + DescribeOne(path);
      ++described;
      if (Exists(path + "/idVendor")) break;  // the USB device: the top of the controller
    }
    path = path.substr(0, path.rfind('/'));
  }
  return text;
}
