// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>

#include "device/controller_device.h"
#include "emulator/controller_emulator.h"

namespace {
// The controller's factory key map, slots 0..63, as the slot table lists it.
constexpr std::array<std::uint16_t, 64> kFactoryDefaults = {
    0xE8, 0xE9, 0x4A,   0x4D, 0x51, 0x4F, 0x50, 0x52,  // 0..7
    0x1A, 0x16, 0x04,   0x07, 0x2C, 0x28, 0,    0,     // 8..15
    0,    0xEA, 0xEB,   0xEC, 0xED, 0,    0,    0,     // 16..23
    0,    0x29, 0,      0,    0,    0xE0, 0xE2, 0x4C,  // 24..31
    0,    1,    0xFF00, 0,    0,    0,    0,    0,     // 32..39
    0,    0,    0,      300,  0,    0,    0,    300,   // 40..47
};                                                     // 48..63 are zero
}  // namespace

TEST(ControllerRecord, FreshObjectAndFreshEmulatorHoldTheFactoryDefaults) {
  const ControllerDevice device;
  EXPECT_EQ(device.handle, nullptr);
  EXPECT_TRUE(device.versionPartX.empty());
  EXPECT_TRUE(device.versionPartK.empty());
  const ControllerEmulator emulator;
  for (int slot = 0; slot < 128; ++slot) {
    const std::uint16_t expected = slot < 64 ? kFactoryDefaults[static_cast<std::size_t>(slot)] : 0;
    EXPECT_EQ(device.config.Code(slot), expected) << "slot " << slot;
    EXPECT_EQ(emulator.Word(slot), expected) << "emulator slot " << slot;
    if (slot < 64) {
      EXPECT_EQ(device.config.entries[static_cast<std::size_t>(slot)].slotNumber, slot);
    }
  }
}

TEST(ControllerRecord, SlotsOutsideTheRecordAreRefused) {
  ControllerConfig config;
  config.LoadDefaults();
  const ControllerConfig before = config;
  for (int slot : {-1, 128, 0xFFFF, -2147483647 - 1}) {
    EXPECT_EQ(config.Code(slot), 0) << slot;
    config.SetCode(slot, 0x1234);
    EXPECT_EQ(DefaultCode(slot), 0) << slot;
  }
  for (int slot = 0; slot < 128; ++slot) EXPECT_EQ(config.Code(slot), before.Code(slot));
}

TEST(ControllerRecord, ObjectMadeFromAContextHasDefaultsAndRealPauses) {
  DeviceLink context;
  context.openController = [] { return ControllerSearch(); };
  const ControllerDevice device(context);
  EXPECT_EQ(device.config.Code(12), 0x2C);
  EXPECT_TRUE(static_cast<bool>(device.pause));
  EXPECT_TRUE(static_cast<bool>(device.opener));
  EXPECT_FALSE(static_cast<bool>(device.trace));  // the system log
}

TEST(ControllerRecord, LoadDefaultsLeavesUpperSlotsAlone) {
  ControllerConfig config;
  for (int slot = 0; slot < 128; ++slot)
    config.SetCode(slot, static_cast<std::uint16_t>(0x1000 + slot));
  config.LoadDefaults();
  EXPECT_EQ(config.Code(10), 0x04);
  EXPECT_EQ(config.Code(63), 0);
  EXPECT_EQ(config.Code(64), 0x1040);
  EXPECT_EQ(config.Code(127), 0x107F);
  EXPECT_EQ(config.entries[64].slotNumber, 0);
}

TEST(PackedFields, DefaultLedIsOffConstantRed) {
  const ControllerDevice device;
  const std::uint8_t mode = LedModeByte(device.config);
  EXPECT_FALSE(LedIsOn(mode));
  EXPECT_EQ(LedEffectOf(mode), LedEffect::kConstant);
  EXPECT_EQ(LedColour(device.config), 0xFF0000u);
}

TEST(PackedFields, ColourAndModeShareSlot34WithoutDisturbingEachOther) {
  ControllerConfig config;
  SetLedModeByte(config, 0x11);
  SetLedColour(config, 0x99FF00);
  EXPECT_EQ(config.Code(34), 0x9911);
  EXPECT_EQ(config.Code(35), 0x00FF);
  EXPECT_EQ(LedColour(config), 0x99FF00u);
  SetLedModeByte(config, 0x20);
  EXPECT_EQ(config.Code(34), 0x9920);
}

TEST(PackedFields, ModeByteBits) {
  EXPECT_EQ(WithLedOn(0x20, true), 0x21);
  EXPECT_EQ(WithLedOn(0xF7, false), 0xF6);
  // Choosing an effect clears bits 1..7 but keeps the on bit.
  EXPECT_EQ(WithLedEffect(0xEF, LedEffect::kBreathing), 0x11);
  EXPECT_EQ(WithLedEffect(0x10, LedEffect::kRotating), 0x20);
  EXPECT_EQ(WithLedEffect(0x21, LedEffect::kConstant), 0x01);
  EXPECT_EQ(LedEffectOf(0x21), LedEffect::kRotating);
  EXPECT_EQ(static_cast<int>(LedEffectOf(0x51)), 5);  // unknown values come back as read
}

TEST(PackedFields, DeadZonesAreSignedBytes) {
  EXPECT_EQ(PackDeadZones(5, 90), 0x5A05);
  EXPECT_EQ(PackDeadZones(-5, -1), 0xFFFB);
  const DeadZones zones = DeadZonesOf(0x5AFB);
  EXPECT_EQ(zones.centre, -5);
  EXPECT_EQ(zones.boundary, 90);
  EXPECT_EQ(DeadZonesOf(0x807F).boundary, -128);
  EXPECT_EQ(DeadZonesOf(0x807F).centre, 127);
}

