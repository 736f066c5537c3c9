// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/key_names.h"

#include <algorithm>
#include <cctype>

namespace {

// Keys whose picture another key shows too, with the name that tells them apart.
struct QualifiedName {
  KeyCode code;
  const char* name;
};
constexpr QualifiedName kQualifiedNames[] = {
    {0x59, "Num1"},       {0x5A, "Num2"},     {0x5B, "Num3"},      {0x5C, "Num4"},
    {0x5D, "Num5"},       {0x5E, "Num6"},     {0x5F, "Num7"},      {0x60, "Num8"},
    {0x61, "Num9"},       {0x62, "Num0"},     {0x58, "NumEnter"},  {0xE4, "RightCtrl"},
    {0xE5, "RightShift"}, {0xE6, "RightAlt"}, {0xFF11, "PadHome"},
};

std::string PictureStem(const char* picture) {
  std::string name(picture);
  constexpr std::string_view kPrefix = "Key_";
  constexpr std::string_view kSuffix = ".png";
  if (name.size() > kSuffix.size() &&
      name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0) {
    name.erase(name.size() - kSuffix.size());
  }
  if (name.rfind(kPrefix, 0) == 0) name.erase(0, kPrefix.size());
  return name;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string KeyName(KeyCode code) {
  if (code == 0) return kNoKeyName;
  for (const auto& qualified : kQualifiedNames) {
    if (qualified.code == code) return qualified.name;
  }
  for (const auto& key : KnownKeys()) {
    if (key.keyCode == code) return PictureStem(key.picture);
  }
  return {};
}

std::optional<KeyCode> KeyCodeOfName(std::string_view name) {
  if (SameIgnoringCase(name, kNoKeyName)) return KeyCode{0};
  for (const auto& key : KnownKeys()) {
    if (SameIgnoringCase(name, KeyName(key.keyCode))) return key.keyCode;
  }
  return std::nullopt;
}

bool IsKnownKeyCode(KeyCode code) {
  return code == 0 || !KeyName(code).empty();
}
