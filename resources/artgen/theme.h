// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The colours of the dark theme, shared by every drawn picture and matching the skin's own
// colour attributes.
namespace theme {
inline const QColor kWindow{0x15, 0x17, 0x1C};
inline const QColor kPanel{0x1D, 0x20, 0x27};
inline const QColor kPanelEdge{0x2C, 0x31, 0x3C};
inline const QColor kRaised{0x2A, 0x2F, 0x3A};
inline const QColor kRaisedHot{0x36, 0x3D, 0x4B};
inline const QColor kSunken{0x12, 0x14, 0x18};
inline const QColor kText{0xE6, 0xE9, 0xEF};
inline const QColor kTextDim{0x8A, 0x93, 0xA6};
inline const QColor kAccent{0x3D, 0xA9, 0xFC};
inline const QColor kAccentDeep{0x1F, 0x6F, 0xC0};
inline const QColor kAccentSoft{0x3D, 0xA9, 0xFC, 0x40};
inline const QColor kDanger{0xE5, 0x48, 0x4D};

// Device body colours.
inline const QColor kShell{0x26, 0x29, 0x31};
inline const QColor kShellLight{0x34, 0x38, 0x42};
inline const QColor kShellEdge{0x45, 0x4B, 0x58};
inline const QColor kScreen{0x0B, 0x0D, 0x11};

// Gamepad face-button colours (A green, B red, X blue, Y yellow).
inline const QColor kFaceA{0x4C, 0xC3, 0x6A};
inline const QColor kFaceB{0xE5, 0x55, 0x55};
inline const QColor kFaceX{0x44, 0x8E, 0xF0};
inline const QColor kFaceY{0xF0, 0xC2, 0x3C};

// One family list everywhere so Chinese and Latin text look alike.
inline QFont Font(qreal pixelSize, bool bold = false) {
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans"),
                    QStringLiteral("DejaVu Sans")});
  font.setPixelSize(qMax(1, qRound(pixelSize)));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}
}  // namespace theme
