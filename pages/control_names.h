#pragma once

#include <array>

// Skin names of the controls the settings pages work on (the key buttons are listed with
// their slots in keys/key_slots.h).
namespace names {
inline constexpr std::array<const char*, 6> kDelayCombos{"BackKeyTimeCombo1", "BackKeyTimeCombo2",
                                                         "BackKeyTimeCombo3", "BackKeyTimeCombo4",
                                                         "BackKeyTimeCombo5", "BackKeyTimeCombo6"};
inline constexpr std::array<const char*, 3> kVibrationOptions{"Vib0", "Vib1", "Vib2"};
inline constexpr std::array<const char*, 13> kLedSwatches{
    "LedColor0", "LedColor1", "LedColor2", "LedColor3",  "LedColor4",  "LedColor5", "LedColor6",
    "LedColor7", "LedColor8", "LedColor9", "LedColor10", "LedColor11", "LedColor12"};
inline constexpr const char* kLedOnOff = "LedModeOnOff";
inline constexpr const char* kLedConstant = "LedModeConstant";
inline constexpr const char* kLedBreathing = "LedModeBreathed";
inline constexpr const char* kLedRotating = "LedModeRotated";
inline constexpr const char* kLedColourGroup = "LedColorLayout";
// The effect options in the order they are enabled and disabled.
inline constexpr std::array<const char*, 3> kLedEffects{kLedConstant, kLedBreathing, kLedRotating};

struct DeadZoneControl {
  const char* slider;
  const char* valueLabel;
};
inline constexpr DeadZoneControl kLeftCentre{"LS_CenterDzSlider", "LsCenterDzValue"};
inline constexpr DeadZoneControl kLeftBoundary{"LS_BoundaryDzSlider", "LsBoundaryDzValue"};
inline constexpr DeadZoneControl kRightCentre{"RS_CenterDzSlider", "RsCenterDzValue"};
inline constexpr DeadZoneControl kRightBoundary{"RS_BoundaryDzSlider", "RsBoundaryDzValue"};
}  // namespace names
