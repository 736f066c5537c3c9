// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hidraw/report_descriptor.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kGenericDesktopPage = 0x01;
constexpr std::uint16_t kMouse = 0x02;
constexpr std::uint16_t kKeyboard = 0x06;
constexpr std::uint16_t kKeypad = 0x07;

// The one exchange the settings protocol makes: report 0x01, 64 bytes each way.
constexpr std::uint8_t kSettingsReportId = 0x01;
constexpr std::uint64_t kSettingsReportBits = 64 * 8;

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr int kTypeMain = 0;
constexpr int kTypeGlobal = 1;
constexpr int kTypeLocal = 2;
constexpr int kTagCollection = 0xA;
constexpr int kTagEndCollection = 0xC;
constexpr int kTagInput = 0x8;
constexpr int kTagOutput = 0x9;
constexpr int kTagFeature = 0xB;
constexpr int kTagUsagePage = 0x0;
constexpr int kTagReportSize = 0x7;
constexpr int kTagReportId = 0x8;
constexpr int kTagReportCount = 0x9;
constexpr int kTagPush = 0xA;
constexpr int kTagPop = 0xB;
constexpr int kTagUsage = 0x0;
constexpr int kTagUsageMinimum = 0x1;
// Real descriptors push a level or two; a deeper stack is noise, not a device.
constexpr std::size_t kMaxPushDepth = 16;

std::uint32_t LittleEndian(const std::uint8_t* bytes, std::size_t count) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < count; ++i) value |= std::uint32_t{bytes[i]} << (8 * i);
  return value;
}

// The global items that Push and Pop keep and that size a report's fields.
struct GlobalState {
  std::uint16_t usagePage = 0;
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint8_t reportId = 0;
};

void AddReportBits(std::vector<DeclaredReport>& reports, ReportKind kind, const GlobalState& at) {
  // At most 2^32 * 2^32 bits: never overflows 64 bits.
  const std::uint64_t bits = std::uint64_t{at.reportSize} * at.reportCount;
  for (DeclaredReport& report : reports) {
    if (report.kind == kind && report.id == at.reportId) {
      report.bits = report.bits + bits < report.bits ? UINT64_MAX : report.bits + bits;
      return;
    }
  }
  reports.push_back({kind, at.reportId, bits});
}

}  // namespace

DescriptorSummary SummarizeReportDescriptor(const std::uint8_t* data, std::size_t size) {
  DescriptorSummary summary;
  if (data == nullptr) return summary;
  GlobalState global;
  std::vector<GlobalState> pushed;
  // The first usage named since the last main item: it names the collection that follows.
  bool haveUsage = false;
  CollectionUsage firstUsage;
  std::size_t depth = 0;

  std::size_t at = 0;
  while (at < size) {
    const std::uint8_t prefix = data[at];
    if (prefix == kLongItemPrefix) {
      // Long items carry vendor data only; skip them whole.
      if (at + 2 >= size) return summary;
      const std::size_t length = data[at + 1];
      if (size - at - 3 < length) return summary;
      at += 3 + length;
      continue;
    }
    const std::size_t length = (prefix & 0x3) == 3 ? 4 : (prefix & 0x3);
    if (size - at - 1 < length) return summary;
    const std::uint32_t value = LittleEndian(data + at + 1, length);
    const int type = (prefix >> 2) & 0x3;
    const int tag = prefix >> 4;
    at += 1 + length;

    if (type == kTypeGlobal) {
      if (tag == kTagUsagePage) global.usagePage = static_cast<std::uint16_t>(value);
      if (tag == kTagReportSize) global.reportSize = value;
      if (tag == kTagReportCount) global.reportCount = value;
      // IDs are one byte; a larger value is a damaged descriptor.
      if (tag == kTagReportId) {
        if (value > 0xFF) return summary;
        global.reportId = static_cast<std::uint8_t>(value);
      }
      if (tag == kTagPush) {
        if (pushed.size() >= kMaxPushDepth) return summary;
        pushed.push_back(global);
      }
      if (tag == kTagPop) {
        if (pushed.empty()) return summary;
        global = pushed.back();
        pushed.pop_back();
      }
    } else if (type == kTypeLocal) {
      if ((tag == kTagUsage || tag == kTagUsageMinimum) && !haveUsage) {
        haveUsage = true;
        // A four-byte usage names its own page in the high half.
        firstUsage = length == 4
                         ? CollectionUsage{static_cast<std::uint16_t>(value >> 16),
                                           static_cast<std::uint16_t>(value & 0xFFFF)}
                         : CollectionUsage{global.usagePage, static_cast<std::uint16_t>(value)};
      }
    } else if (type == kTypeMain) {
      if (tag == kTagCollection) {
        if (depth == 0) summary.topLevel.push_back(haveUsage ? firstUsage : CollectionUsage{});
        ++depth;
      } else if (tag == kTagEndCollection) {
        if (depth == 0) return summary;
        --depth;
      } else if (tag == kTagInput) {
        AddReportBits(summary.reports, ReportKind::kInput, global);
      } else if (tag == kTagOutput) {
        AddReportBits(summary.reports, ReportKind::kOutput, global);
      } else if (tag == kTagFeature) {
        AddReportBits(summary.reports, ReportKind::kFeature, global);
      }
      haveUsage = false;  // local items last until the next main item
    }
  }
  summary.wellFormed = depth == 0;
  return summary;
}

bool IsKeyboardOrMouseOnly(const DescriptorSummary& summary) {
  if (!summary.wellFormed || summary.topLevel.empty()) return false;
  for (const CollectionUsage& collection : summary.topLevel) {
    const bool held = collection.page == kGenericDesktopPage &&
                      (collection.usage == kKeyboard || collection.usage == kKeypad ||
                       collection.usage == kMouse);
    if (!held) return false;
  }
  return true;
}

bool DeclaresSettingsExchange(const DescriptorSummary& summary) {
  if (!summary.wellFormed) return false;
  const auto declares = [&summary](ReportKind kind) {
    for (const DeclaredReport& report : summary.reports) {
      if (report.kind == kind && report.id == kSettingsReportId) {
        return report.bits == kSettingsReportBits;
      }
    }
    return false;
  };
  return declares(ReportKind::kOutput) && declares(ReportKind::kInput);
}

namespace {

std::string HexNumber(unsigned value, int digits) {
  static const char* kDigits = "0123456789abcdef";
  std::string text = "0x";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    text += kDigits[(value >> shift) & 0xF];
  return text;
}

std::string KindOf(const CollectionUsage& collection) {
  constexpr std::uint16_t kConsumerPage = 0x0C;
  constexpr std::uint16_t kFirstVendorPage = 0xFF00;
  if (collection.page == kGenericDesktopPage) {
    switch (collection.usage) {
      case kMouse:
        return "mouse";
      case kKeyboard:
        return "keyboard";
      case kKeypad:
        return "keypad";
      case 0x04:
        return "joystick";
      case 0x05:
        return "gamepad";
      case 0x80:
        return "system control";
      default:
        break;
    }
  }
  if (collection.page == kConsumerPage && collection.usage == 0x01) return "consumer control";
  const std::string usage = HexNumber(collection.page, 4) + ":" + HexNumber(collection.usage, 2);
  if (collection.page >= kFirstVendorPage) return "vendor-defined " + usage;
  return "usage " + usage;
}

}  // namespace

std::string DescribeCollections(const DescriptorSummary& summary) {
  if (!summary.wellFormed) return "damaged descriptor";
  if (summary.topLevel.empty()) return "no collections";
  std::vector<std::string> kinds;
  for (const CollectionUsage& collection : summary.topLevel) {
    std::string kind = KindOf(collection);
    if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) kinds.push_back(kind);
  }
  std::string text;
  for (const std::string& kind : kinds) text += (text.empty() ? "" : ", ") + kind;
  return text;
}
