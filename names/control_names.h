// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Every skin name the program works with, spelled once: the window, the pages, the key slots,
// the per-model layouts, the language texts and the artwork generator all read them here. A
// name the skin lacks is "no control" everywhere it is used.
namespace names {

// Window frame.
inline constexpr const char* kClose = "closebtn";
inline constexpr const char* kMinimise = "minbtn";
inline constexpr const char* kVersionLabel = "VerLabel";

// Main menu, in the order it is shown and hidden.
inline constexpr const char* kBackKeyMenu = "BackKeybtn";
inline constexpr const char* kBackKeyCaption = "BackKeyLabel";
inline constexpr const char* kBackKeyHelp = "BackKeyHelpbtn";
inline constexpr const char* kControlKeyMenu = "ControlKeybtn";
inline constexpr const char* kControlKeyCaption = "ControlKeyLabel";
inline constexpr const char* kControlKeyHelp = "ControlKeyHelpbtn";
inline constexpr std::array<const char*, 6> kMainMenu{kBackKeyMenu,    kBackKeyCaption,
                                                      kControlKeyMenu, kControlKeyCaption,
                                                      kBackKeyHelp,    kControlKeyHelp};

// The buttons of both settings pages: back to the menu, factory values, write.
inline constexpr const char* kBack = "Backbtn";
inline constexpr const char* kRestore = "Reductionbtn";
inline constexpr const char* kSave = "Savebtn";
inline constexpr std::array<const char*, 3> kPageButtons{kBack, kRestore, kSave};

// Rear-button page.
inline constexpr const char* kBackKeyPicture = "BackKeyDevBkgImg";
inline constexpr const char* kLeftKeyGroup = "LeftKeylayout";
inline constexpr const char* kRightKeyGroup = "RightKeylayout";
inline constexpr const char* kLeftKeyTitle = "LeftKeyLabel";
inline constexpr const char* kRightKeyTitle = "RightKeyLabel";
// Steps 1..4 of the first rear button, then steps 1..4 of the second.
inline constexpr std::array<const char*, 8> kStepButtons{
    "BackKeySet1Btn", "BackKeySet2Btn", "BackKeySet3Btn", "BackKeySet4Btn",
    "BackKeySet5Btn", "BackKeySet6Btn", "BackKeySet7Btn", "BackKeySet8Btn"};
// The delays after steps 1, 2, 3 of each rear button.
inline constexpr std::array<const char*, 6> kDelayCombos{"BackKeyTimeCombo1", "BackKeyTimeCombo2",
                                                         "BackKeyTimeCombo3", "BackKeyTimeCombo4",
                                                         "BackKeyTimeCombo5", "BackKeyTimeCombo6"};

// Control-key page: the fourteen key buttons (keys/key_slots pairs each with its slot).
inline constexpr const char* kWheelUpKey = "ConMSRollUpBtn";
inline constexpr const char* kWheelDownKey = "ConMSRollDownBtn";
inline constexpr const char* kHomeKey = "ConKeyHomeBtn";
inline constexpr const char* kEndKey = "ConKeyEndBtn";
inline constexpr const char* kFaceAKey = "ConKeySetABtn";
inline constexpr const char* kFaceBKey = "ConKeySetBBtn";
inline constexpr const char* kFaceXKey = "ConKeySetXBtn";
inline constexpr const char* kFaceYKey = "ConKeySetYBtn";
inline constexpr const char* kStickUpKey = "ConKeyWBtn";
inline constexpr const char* kStickDownKey = "ConKeySBtn";
inline constexpr const char* kStickLeftKey = "ConKeyABtn";
inline constexpr const char* kStickRightKey = "ConKeyDBtn";
inline constexpr const char* kSelectKey = "ConSpacebarSBtn";
inline constexpr const char* kStartKey = "ConEnterBtn";
inline constexpr const char* kControlKeyPicture = "ConKeyDevBkgImg";

// Rumble.
inline constexpr const char* kVibrationGroup = "VibLayout";
inline constexpr const char* kVibrationTitle = "VibTitle";
inline constexpr std::array<const char*, 3> kVibrationOptions{"Vib0", "Vib1", "Vib2"};

// LED.
inline constexpr const char* kLedColourGroup = "LedColorLayout";
inline constexpr const char* kLedModeGroup = "LedModeLayout";
inline constexpr const char* kLedColourTitle = "LedColorTitle";
inline constexpr const char* kLedModeTitle = "LedModeTitle";
inline constexpr std::array<const char*, 13> kLedSwatches{
    "LedColor0", "LedColor1", "LedColor2", "LedColor3",  "LedColor4",  "LedColor5", "LedColor6",
    "LedColor7", "LedColor8", "LedColor9", "LedColor10", "LedColor11", "LedColor12"};
inline constexpr const char* kLedOnOff = "LedModeOnOff";
inline constexpr const char* kLedConstant = "LedModeConstant";
inline constexpr const char* kLedBreathing = "LedModeBreathed";
inline constexpr const char* kLedRotating = "LedModeRotated";
// The effect options by effect number (constant, breathing, rotating), which is also the order
// they are enabled and disabled in.
inline constexpr std::array<const char*, 3> kLedEffects{kLedConstant, kLedBreathing, kLedRotating};
// The LED options in the order of their click kinds: on/off, rotating, constant, breathing.
inline constexpr std::array<const char*, 4> kLedOptions{kLedOnOff, kLedRotating, kLedConstant,
                                                        kLedBreathing};

// Stick dead zones: each slider with the label that shows its value.
inline constexpr const char* kDeadZoneGroup = "DeadZoneLayout";
struct DeadZoneControl {
  const char* slider;
  const char* valueLabel;
};
inline constexpr DeadZoneControl kLeftCentre{"LS_CenterDzSlider", "LsCenterDzValue"};
inline constexpr DeadZoneControl kLeftBoundary{"LS_BoundaryDzSlider", "LsBoundaryDzValue"};
inline constexpr DeadZoneControl kRightCentre{"RS_CenterDzSlider", "RsCenterDzValue"};
inline constexpr DeadZoneControl kRightBoundary{"RS_BoundaryDzSlider", "RsBoundaryDzValue"};
inline constexpr std::array<DeadZoneControl, 4> kDeadZones{kRightCentre, kRightBoundary,
                                                           kLeftCentre, kLeftBoundary};
inline constexpr const char* kRightStickTitle = "RightAxesTitle";
inline constexpr const char* kRightCentreCaption = "RsCenterText";
inline constexpr const char* kRightBoundaryCaption = "RsBoundaryText";
inline constexpr const char* kLeftStickTitle = "LeftAxesTitle";
inline constexpr const char* kLeftCentreCaption = "LsCenterText";
inline constexpr const char* kLeftBoundaryCaption = "LsBoundaryText";

}  // namespace names
