#include "keys/key_slots.h"

namespace {
constexpr std::array<SlotButton, 22> kSlotButtons{{
    {0, "ConMSRollUpBtn"},   {1, "ConMSRollDownBtn"}, {2, "ConKeyHomeBtn"},
    {3, "ConKeyEndBtn"},     {4, "ConKeySetABtn"},    {5, "ConKeySetBBtn"},
    {6, "ConKeySetXBtn"},    {7, "ConKeySetYBtn"},    {8, "ConKeyWBtn"},
    {9, "ConKeySBtn"},       {10, "ConKeyABtn"},      {11, "ConKeyDBtn"},
    {12, "ConSpacebarSBtn"}, {13, "ConEnterBtn"},     {25, "BackKeySet1Btn"},
    {26, "BackKeySet2Btn"},  {27, "BackKeySet3Btn"},  {28, "BackKeySet4Btn"},
    {29, "BackKeySet5Btn"},  {30, "BackKeySet6Btn"},  {31, "BackKeySet7Btn"},
    {32, "BackKeySet8Btn"},
}};
}  // namespace

const std::array<SlotButton, 22>& SlotButtons() {
  return kSlotButtons;
}

const char* SlotButtonName(int slot) {
  for (const auto& entry : kSlotButtons) {
    if (entry.slot == slot) return entry.buttonName;
  }
  return nullptr;
}
