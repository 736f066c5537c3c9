// SPDX-License-Identifier: GPL-3.0-or-later
// Linux source of the system language: the POSIX locale environment.
#include "sysinfo/system_language.h"

#include <cstdlib>
#include <string>

namespace {

// "zh_CN.UTF-8@modifier" -> "zh_CN".
std::string WithoutCodesetAndModifier(const std::string& locale) {
  return locale.substr(0, locale.find_first_of(".@"));
}

}  // namespace

std::uint16_t SystemDefaultLangId() {
  const std::string name = WithoutCodesetAndModifier(LocaleFor("LC_MESSAGES"));
  if (name == "zh_CN") return kLangChinesePrc;
  if (name == "zh" || name.rfind("zh_", 0) == 0) return kLangChineseTaiwan;
  return kLangEnglishUs;
}

std::string LocaleFor(const char* categoryVariable) {
  for (const char* name : {"LC_ALL", categoryVariable, "LANG"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return {};
}
