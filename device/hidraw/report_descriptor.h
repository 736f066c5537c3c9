// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <string>

// What a HID report descriptor says about the interface it describes: the usages of its
// top-level collections and the reports it declares. Pure functions over the descriptor bytes.

struct CollectionUsage {
  std::uint16_t page = 0;
  std::uint16_t usage = 0;
  bool operator==(const CollectionUsage&) const = default;
};

enum class ReportKind { kInput, kOutput, kFeature };

// One report the interface declares: its kind, its ID (0 when the descriptor uses none) and
// the bits of data it carries, summed over every field declared for it.
struct DeclaredReport {
  ReportKind kind = ReportKind::kInput;
  std::uint8_t id = 0;
  std::uint64_t bits = 0;
  bool operator==(const DeclaredReport&) const = default;
};

struct DescriptorSummary {
  // False when the bytes end inside an item or a collection, or close a collection that was
  // never opened: the interface's kind is then unknown.
  bool wellFormed = false;
  std::vector<CollectionUsage> topLevel;
  // In the order each (kind, ID) is first declared.
  std::vector<DeclaredReport> reports;
};

DescriptorSummary SummarizeReportDescriptor(const std::uint8_t* data, std::size_t size);

// True when the descriptor is well formed and every top-level collection is a keyboard,
// keypad or mouse: the interfaces a desktop system keeps for itself. Anything else, an
// unknown or damaged descriptor included, may be the configuration interface.
bool IsKeyboardOrMouseOnly(const DescriptorSummary& summary);

// True when the descriptor is well formed and declares an output report and an input report
// with ID 0x01 and 64 bytes of data each: exactly the exchange the settings protocol makes.
// Only such an interface can take the settings reports.
bool DeclaresSettingsExchange(const DescriptorSummary& summary);

// The kinds of the top-level collections for people to read, in order and without repeats:
// "keyboard", "mouse", "consumer control", "vendor-defined 0xff00:0x01", ...;
// "damaged descriptor" when it is not well formed, "no collections" when it has none.
std::string DescribeCollections(const DescriptorSummary& summary);
