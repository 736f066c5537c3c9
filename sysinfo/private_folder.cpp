// SPDX-License-Identifier: GPL-3.0-or-later
#include "sysinfo/private_folder.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace {

constexpr const char* kPrivatePrefix = "padcontrols-";

bool OwnedDirectory(const std::string& path, uid_t owner, mode_t forbidden) {
  struct stat folder {};
  if (path.empty() || path[0] != '/' || lstat(path.c_str(), &folder) != 0) return false;
  return S_ISDIR(folder.st_mode) && folder.st_uid == owner && (folder.st_mode & forbidden) == 0;
}

std::string OwnPrivateFolder(uid_t uid, const std::string& tmp) {
  return tmp + "/" + kPrivatePrefix + std::to_string(uid);
}

// The user id a folder's name ends with after `prefix`, or -1.
long long UidAfter(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return -1;
  long long uid = -1;
  const char* first = name.data() + prefix.size();
  const char* last = name.data() + name.size();
  const auto [end, error] = std::from_chars(first, last, uid);
  return error == std::errc() && end == last && uid >= 0 ? uid : -1;
}

// Every folder of `root` whose name is `prefix` and a user id, private to that user.
void AddEveryUser(const std::string& root, const std::string& prefix,
                  std::vector<MarkerFolder>& folders) {
  DIR* listing = opendir(root.c_str());
  if (listing == nullptr) return;
  while (const dirent* entry = readdir(listing)) {
    const long long uid = UidAfter(entry->d_name, prefix);
    if (uid < 0) continue;
    folders.push_back({root + "/" + entry->d_name, static_cast<uid_t>(uid)});
  }
  closedir(listing);
}

}  // namespace

bool FolderIsPrivate(const std::string& path, uid_t owner) {
  return OwnedDirectory(path, owner, S_IWGRP | S_IWOTH);
}

std::string PrivateFolder(const char* runtimeDir, const std::string& tmp) {
  const uid_t uid = geteuid();
  if (runtimeDir != nullptr && FolderIsPrivate(runtimeDir, uid)) return runtimeDir;
  const std::string own = OwnPrivateFolder(uid, tmp);
  mkdir(own.c_str(), 0700);  // already there is fine: the check below decides
  // Made by this user, and nobody else can even look in.
  return OwnedDirectory(own, uid, S_IRWXG | S_IRWXO) ? own : std::string();
}

std::string PrivateFolder() {
  return PrivateFolder(std::getenv("XDG_RUNTIME_DIR"));
}

std::vector<MarkerFolder> MarkerFolders(uid_t euid, const char* runtimeDir,
                                        const std::string& runUser, const std::string& tmp) {
  std::vector<MarkerFolder> candidates;
  if (runtimeDir != nullptr) candidates.push_back({runtimeDir, euid});
  candidates.push_back({runUser + "/" + std::to_string(euid), euid});
  candidates.push_back({OwnPrivateFolder(euid, tmp), euid});
  if (euid == 0) {
    AddEveryUser(runUser, "", candidates);
    AddEveryUser(tmp, kPrivatePrefix, candidates);
  }
  std::vector<MarkerFolder> folders;
  for (const MarkerFolder& folder : candidates) {
    if (!FolderIsPrivate(folder.path, folder.owner)) continue;
    if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
    folders.push_back(folder);
  }
  return folders;
}
