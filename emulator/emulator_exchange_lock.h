// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>

#include "emulator/controller_emulator.h"
#include "emulator/state_file_lock.h"

// The exchange lock of one transport on an emulated controller. An emulator whose key map
// lives in a state file is one controller shared by every program that names the file, so
// the lock is the state file's, and taking it loads the file: what another program wrote
// since is what this one then reads, as on real hardware. An emulator without a state file
// is reached by one process only and needs no lock.
class EmulatorExchangeLock {
 public:
  explicit EmulatorExchangeLock(std::shared_ptr<ControllerEmulator> emulator);

  // kFailed also when the file is there but cannot be loaded.
  ExchangeLockAttempt TryTake();
  void Release();
  // The state file's identity (see StateFileIdentity); empty without a state file.
  std::string Identity() const;

 private:
  std::shared_ptr<ControllerEmulator> emulator_;
  std::optional<StateFileLock> file_;
};
