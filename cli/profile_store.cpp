// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/profile_store.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr char kExtension[] = ".json";
constexpr char kSubfolder[] = "/padcontrols/profiles";

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

// "/home/a/" and "/home/a" are one folder; messages show the shorter.
std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path == "/" ? std::string() : path;
}

}  // namespace

bool IsProfileName(const std::string& name) {
  if (name.empty() || name.front() == '.' || name.front() == '-') return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0U;
    if (byte == '/' || byte < 0x20 || byte == 0x7F) return false;
    if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) return false;  // U+0080..U+009F
  }
  return true;
}

std::optional<std::string> ProfileFolder(const char* xdgConfigHome, const char* home) {
  if (IsAbsolute(xdgConfigHome)) return WithoutTrailingSlashes(xdgConfigHome) + kSubfolder;
  if (IsAbsolute(home)) return WithoutTrailingSlashes(home) + "/.config" + kSubfolder;
  return std::nullopt;
}

std::string ProfilePath(const std::string& folder, const std::string& name) {
  return folder + "/" + name + kExtension;
}

std::optional<std::vector<std::string>> ProfileNames(const std::string& folder,
                                                     std::string* error) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  // Only a folder that is not there holds no profiles; one that cannot be looked at (a file in
  // the way, a name too long, no permission) is said, not taken for an empty one.
  struct stat status {};
  if (stat(folder.c_str(), &status) != 0) {
    if (errno == ENOENT) return names;
    *error = std::strerror(errno);
    return std::nullopt;
  }
  if (!S_ISDIR(status.st_mode)) {
    *error = std::strerror(ENOTDIR);
    return std::nullopt;
  }
  std::error_code code;
  fs::directory_iterator entry(folder, code);
  for (; !code && entry != fs::directory_iterator(); entry.increment(code)) {
    std::error_code typeCode;
    if (!entry->is_regular_file(typeCode)) continue;
    const fs::path file = entry->path();
    if (file.extension() != kExtension) continue;
    const std::string name = file.stem().string();
    if (IsProfileName(name)) names.push_back(name);
  }
  if (code) {
    *error = code.message();
    return std::nullopt;
  }
  std::sort(names.begin(), names.end());
  return names;
}
