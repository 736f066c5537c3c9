// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// What padctl doctor reads about the machine besides the controller: gathered once, without
// root, in well under a second. Tests fill one by hand.
struct SystemFacts {
  std::string kernelRelease;             // uname's release, "6.1.0-18-amd64"
  std::string osName;                    // os-release NAME
  std::string osVersion;                 // os-release VERSION (or VERSION_ID)
  std::vector<std::string> ruleFiles;    // where our udev rule is installed (full paths)
  std::vector<std::string> ruleFolders;  // every folder udev reads rules from
  bool localSeat = false;  // this session sits at a local seat (udev's uaccess serves it)
  std::vector<std::string> inputDaemons;  // known input daemons running now
  std::string waylandDisplay;             // WAYLAND_DISPLAY
  std::string x11Display;                 // DISPLAY
  bool qtWaylandPlatform = false;         // Qt's Wayland platform plugin is installed
  std::vector<std::string> fonts;  // the window's font families that are installed, in its order
  bool sdlLoaded = false;
  std::vector<std::string> gamepads;  // what SDL sees, by name
  // For the report: what is personal and must not leave the machine.
  std::string homeFolder;
  std::string userName;
  std::string hostName;
};

// The font families the window asks for, in its order of preference.
inline const std::vector<std::string> kWindowFontFamilies = {"Noto Sans CJK SC", "Noto Sans",
                                                             "DejaVu Sans"};

SystemFacts GatherSystemFacts();
