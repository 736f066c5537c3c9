// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <Qt>
#include <cstdint>
#include <optional>

// Parsing of skin attribute values. Every parser is tolerant of blanks and returns nothing
// for a value it cannot read, so a faulty skin falls back to defaults instead of failing.
namespace ui {

struct Quad {
  int a = 0, b = 0, c = 0, d = 0;
  bool operator==(const Quad&) const = default;
};

std::optional<bool> ParseBool(const QString& value);
std::optional<int> ParseInt(const QString& value);
// "l,t,r,b" with optional blanks; missing trailing numbers count as 0.
std::optional<Quad> ParseQuad(const QString& value);
// "w,h"
std::optional<QSize> ParseSize(const QString& value);
// "#AARRGGBB", "0xAARRGGBB", "#RRGGBB" (opaque) or a decimal number.
std::optional<std::uint32_t> ParseColor(const QString& value);
QString FormatColor(std::uint32_t argb);  // "#AARRGGBB"
// "left", "center", "right", "top", "vcenter", "bottom", "wordbreak", separated by blanks or
// commas.
std::optional<int> ParseAlign(const QString& value);

}  // namespace ui
