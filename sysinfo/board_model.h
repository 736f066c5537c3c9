// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The folder where the system exports its firmware tables.
inline constexpr const char* kBoardModelFolder = "/sys/class/dmi/id";

// Fills `result` with the motherboard's product name, read from `folder`'s board_name and
// trimmed of leading and trailing blanks (0x20 only). True when the query ran to its end;
// `result` unchanged on failure. Read afresh on every call; no cache.
bool QueryBoardModel(std::string& result, const std::string& folder = kBoardModelFolder);
// The same, as a value: empty when the query fails.
std::string BoardModel(const std::string& folder = kBoardModelFolder);

// The four known board model codes.
inline constexpr const char* kModelT2804_11 = "T2804-11";
inline constexpr const char* kModelT2804_12 = "T2804-12";
inline constexpr const char* kModelT2802_21 = "T2802-21";
inline constexpr const char* kModelT2803_31 = "T2803-31";
bool IsKnownBoardModel(const std::string& model);
