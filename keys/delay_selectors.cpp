#include "keys/delay_selectors.h"

#include "keys/key_codes.h"

std::array<bool, kDelaySelectorCount> DelaySelectorsEnabled(
    const std::array<QString, kDelaySelectorCount>& stepPictures) {
  std::array<bool, kDelaySelectorCount> enabled{};
  for (int i = 0; i < kDelaySelectorCount; ++i) enabled[i] = !IsNoKeyImage(stepPictures[i]);
  return enabled;
}
