// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/emulator_exchange_lock.h"

#include <string>
#include <utility>

EmulatorExchangeLock::EmulatorExchangeLock(std::shared_ptr<ControllerEmulator> emulator)
    : emulator_(std::move(emulator)) {}

ExchangeLockAttempt EmulatorExchangeLock::TryTake() {
  const std::optional<std::string> path = emulator_->PersistencePath();
  if (!path) return ExchangeLockAttempt::kTaken;
  if (!file_) file_.emplace(*path);
  if (file_->Held()) return ExchangeLockAttempt::kTaken;
  const ExchangeLockAttempt attempt = file_->TryTake();
  if (attempt != ExchangeLockAttempt::kTaken || !file_->OnFile()) return attempt;
  std::string error;
  if (!emulator_->LoadState(*path, &error)) {
    file_->Release();
    return ExchangeLockAttempt::kFailed;
  }
  return attempt;
}

std::string EmulatorExchangeLock::Identity() const {
  const std::optional<std::string> path = emulator_->PersistencePath();
  return path ? StateFileIdentity(*path) : std::string();
}

void EmulatorExchangeLock::Release() {
  if (file_) file_->Release();
}
