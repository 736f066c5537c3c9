#pragma once

#include <string>

// Fills `result` with the motherboard's product name, trimmed of leading and trailing
// blanks (0x20 only). True when the query ran to its end; `result` unchanged on failure.
// Read afresh on every call; no cache.
bool QueryBoardModel(std::string& result);
// The same, as a value: empty when the query fails.
std::string BoardModel();

// The folder that holds the firmware table exports (default "/sys/class/dmi/id").
// The demo and tests point it elsewhere; an empty value restores the default.
void SetBoardModelRoot(const std::string& folder);

// The four known board model codes.
inline constexpr const char* kModelT2804_11 = "T2804-11";
inline constexpr const char* kModelT2804_12 = "T2804-12";
inline constexpr const char* kModelT2802_21 = "T2802-21";
inline constexpr const char* kModelT2803_31 = "T2803-31";
bool IsKnownBoardModel(const std::string& model);
