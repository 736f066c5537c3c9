// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/doctor_facts.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <QDir>
#include <QLibraryInfo>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "keys/sdl_library.h"

namespace {

constexpr const char* kRuleName = "70-padcontrols.rules";
// Where udev reads rules from: the packaged places, the admin's and the runtime's.
const char* const kRuleFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                    "/usr/lib/udev/rules.d", "/lib/udev/rules.d",
                                    "/usr/local/lib/udev/rules.d"};
// Programs that take a handheld's controller for themselves (hide its node, or open it and
// present a virtual pad instead).
const char* const kInputDaemons[] = {"inputplumber",  "hhd",        "handycon",       "steam",
                                     "sc-controller", "ds-inhibit", "jupiter-fan-con"};

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// A value of os-release, its quotes taken off.
std::string OsReleaseValue(const std::string& key) {
  for (const char* file : {"/etc/os-release", "/usr/lib/os-release"}) {
    std::ifstream in(file);
    if (!in) continue;
    std::string line;
    while (std::getline(in, line)) {
      if (line.rfind(key + "=", 0) != 0) continue;
      std::string value = line.substr(key.size() + 1);
      if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
          value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
      }
      return value;
    }
    return {};
  }
  return {};
}

std::vector<std::string> RunningDaemons() {
  std::vector<std::string> seen;
  DIR* proc = ::opendir("/proc");
  if (proc == nullptr) return seen;
  while (const dirent* entry = ::readdir(proc)) {
    const std::string pid = entry->d_name;
    if (pid.empty() || !std::all_of(pid.begin(), pid.end(), ::isdigit)) continue;
    std::ifstream comm("/proc/" + pid + "/comm");
    std::string name;
    if (!std::getline(comm, name)) continue;
    for (const char* daemon : kInputDaemons) {
      if (name == daemon && std::find(seen.begin(), seen.end(), name) == seen.end()) {
        seen.push_back(name);
      }
    }
  }
  ::closedir(proc);
  std::sort(seen.begin(), seen.end());
  return seen;
}

// fontconfig's list of installed families, one name per line (a font may give several,
// separated by commas).
std::vector<std::string> InstalledWindowFonts() {
  std::vector<std::string> installed;
  FILE* list = ::popen("fc-list --format '%{family}\\n' 2>/dev/null", "r");
  if (list == nullptr) return installed;
  std::vector<std::string> families;
  char line[512];
  while (std::fgets(line, sizeof line, list) != nullptr) {
    std::string text(line);
    std::size_t at = 0;
    while (at <= text.size()) {
      std::size_t end = text.find_first_of(",\n", at);
      if (end == std::string::npos) end = text.size();
      families.push_back(text.substr(at, end - at));
      at = end + 1;
    }
  }
  ::pclose(list);
  for (const std::string& wanted : kWindowFontFamilies) {
    if (std::find(families.begin(), families.end(), wanted) != families.end()) {
      installed.push_back(wanted);
    }
  }
  return installed;
}

bool QtWaylandPlatformInstalled() {
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
  return !platforms.entryList({"libqwayland-*.so"}, QDir::Files).isEmpty();
}

void LookAtGamepads(SystemFacts& facts) {
  const SdlLibrary* sdl = LoadSdl();
  facts.sdlLoaded = sdl != nullptr;
  if (sdl == nullptr) return;
  // SDL must never open the hidraw nodes itself: that is the controller's configuration path.
  sdl->SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
  if (sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return;
  for (int index = 0; index < sdl->NumJoysticks(); ++index) {
    const char* name = sdl->JoystickNameForIndex(index);
    facts.gamepads.push_back(name != nullptr ? name : "(no name)");
  }
  sdl->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace

SystemFacts GatherSystemFacts() {
  SystemFacts facts;
  utsname system{};
  if (::uname(&system) == 0) {
    facts.kernelRelease = system.release;
    facts.hostName = system.nodename;
  }
  facts.osName = OsReleaseValue("NAME");
  facts.osVersion = OsReleaseValue("VERSION");
  if (facts.osVersion.empty()) facts.osVersion = OsReleaseValue("VERSION_ID");
  for (const char* folder : kRuleFolders) {
    facts.ruleFolders.push_back(folder);
    const std::string file = std::string(folder) + "/" + kRuleName;
    if (Exists(file)) facts.ruleFiles.push_back(file);
  }
  facts.localSeat = !Environment("XDG_SEAT").empty();
  facts.inputDaemons = RunningDaemons();
  facts.waylandDisplay = Environment("WAYLAND_DISPLAY");
  facts.x11Display = Environment("DISPLAY");
  facts.qtWaylandPlatform = QtWaylandPlatformInstalled();
  facts.fonts = InstalledWindowFonts();
  LookAtGamepads(facts);
  facts.homeFolder = Environment("HOME");
  if (const passwd* user = ::getpwuid(::getuid())) facts.userName = user->pw_name;
  return facts;
}
