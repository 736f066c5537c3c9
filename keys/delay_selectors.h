#pragma once

#include <QString>
#include <array>

// The rear-button page has a delay selector after every step but the last of each chain:
// selector i (0..5) follows step button kDelayStepOfSelector[i] (0-based, of the eight).
inline constexpr int kDelaySelectorCount = 6;
inline constexpr std::array<int, kDelaySelectorCount> kDelayStepOfSelector{0, 1, 2, 4, 5, 6};

// Whether each selector is usable, from the pictures its step buttons show: a delay only
// means something after a step that holds a key.
std::array<bool, kDelaySelectorCount> DelaySelectorsEnabled(
    const std::array<QString, kDelaySelectorCount>& stepPictures);
