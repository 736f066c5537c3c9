// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/doctor_report.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <vector>

#include "cli/printable_text.h"
#include "texts/program_version.h"

namespace {

bool IsWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

// `from` replaced by `to` where it stands as a whole word: "/home/al" must not cut
// "/home/alice" in two.
std::string ReplaceWords(const std::string& text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  std::string result;
  std::size_t at = 0;
  while (true) {
    const std::size_t found = text.find(from, at);
    if (found == std::string::npos) break;
    const std::size_t end = found + from.size();
    const bool whole = (found == 0 || !IsWordCharacter(text[found - 1])) &&
                       (end == text.size() || !IsWordCharacter(text[end]));
    result += text.substr(at, found - at);
    result += whole ? to : from;
    at = end;
  }
  return result + text.substr(at);
}

// Each device once: interfaces of one controller share the devices above them.
std::string UniqueDevices(const InterfaceSurvey& survey) {
  std::set<std::string> seen;
  std::string text;
  for (const InterfaceFinding& finding : survey) {
    const std::string& all = finding.deviceDescription;
    std::size_t at = 0;
    while (at < all.size()) {
      std::size_t end = all.find("\n\n", at);
      if (end == std::string::npos) end = all.size();
      const std::string block = all.substr(at, end - at);
      at = end + 2;
      const std::string path = block.substr(0, block.find('\n'));
      if (block.empty() || !seen.insert(path).second) continue;
      text += "\n" + block + (block.back() == '\n' ? "" : "\n");
    }
  }
  return text;
}

// The board name as sysfs holds it (with its line end): as text when it is plain, else in hex.
std::string BoardNameAttribute(const std::string& board) {
  const bool plain = std::all_of(board.begin(), board.end(),
                                 [](char c) { return c >= 0x20 && c <= 0x7E && c != '\\'; });
  if (plain) return "A: board_name=" + board + "\\n\n";
  static const char* kDigits = "0123456789ABCDEF";
  std::string hex;
  for (const char c : board + "\n") {
    hex += kDigits[static_cast<unsigned char>(c) >> 4];
    hex += kDigits[static_cast<unsigned char>(c) & 0xF];
  }
  return "H: board_name=" + hex + "\n";
}

}  // namespace

std::string DoctorReport(const DoctorResult& result, const SystemFacts& facts,
                         const InterfaceSurvey& survey, const std::string& boardModel) {
  std::string text =
      "P: /devices/virtual/padcontrols/doctor\n"
      "E: SUBSYSTEM=padcontrols-doctor\n";
  const auto property = [&text](const std::string& key, const std::string& value) {
    // On one line, and nothing that would move a terminal's cursor when the report is read.
    text += "E: " + key + "=" + EscapeControls(value) + "\n";
  };
  property("PACKAGE_VERSION", PADCONTROLS_VERSION);
  property("KERNEL", facts.kernelRelease);
  property("OS_NAME", facts.osName);
  property("OS_VERSION", facts.osVersion);
  std::string daemons;
  for (const std::string& name : facts.inputDaemons) daemons += (daemons.empty() ? "" : " ") + name;
  property("INPUT_DAEMONS", daemons.empty() ? "none" : daemons);
  int number = 0;
  for (const DoctorLine& line : result.lines) {
    char key[24];
    std::snprintf(key, sizeof key, "CHECK_%02d", ++number);
    property(key, RenderDoctorLine(line));
  }
  property("SUMMARY", DoctorSummary(result));
  text += UniqueDevices(survey);
  if (!boardModel.empty()) {
    text += "\nP: /devices/virtual/dmi/id\nE: SUBSYSTEM=dmi\n";
    text += BoardNameAttribute(boardModel);
  }
  return WithoutPersonalDetails(text, facts);
}

std::string WithoutPersonalDetails(const std::string& text, const SystemFacts& facts) {
  std::string result = text;
  if (facts.homeFolder.size() > 1) result = ReplaceWords(result, facts.homeFolder, "~");
  // root names no person, and replacing it would garble the report.
  if (facts.userName != "root") result = ReplaceWords(result, facts.userName, "USER");
  result = ReplaceWords(result, facts.hostName, "HOST");
  return result;
}
