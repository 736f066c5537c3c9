// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/profile_store.h"

#include <algorithm>
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
  if (name.empty() || name.front() == '.') return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '/' || byte < 0x20 || byte == 0x7F;
  });
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
  std::error_code code;
  if (!fs::exists(folder, code)) return names;
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
