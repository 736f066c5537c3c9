// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>

#include "emulator/controller_emulator.h"
#include "emulator/emulator_exchange_lock.h"

namespace {

class EmulatorTransport final : public ReportTransport {
 public:
  EmulatorTransport(std::shared_ptr<ControllerEmulator> emulator, std::string location)
      : emulator_(std::move(emulator)), location_(std::move(location)), lock_(emulator_) {}

  bool SendOutputReport(const Report& report) override {
    return emulator_->HandleOutputReport(report);
  }
  bool GetInputReport(Report& report) override { return emulator_->HandleInputReport(report); }
  std::string Location() const override { return location_; }
  std::string Identity() const override { return lock_.Identity(); }
  ExchangeLockAttempt TryLockExchanges() override { return lock_.TryTake(); }
  void UnlockExchanges() override { lock_.Release(); }

 private:
  std::shared_ptr<ControllerEmulator> emulator_;
  std::string location_;
  EmulatorExchangeLock lock_;
};

}  // namespace

std::unique_ptr<ReportTransport> MakeEmulatorTransport(std::shared_ptr<ControllerEmulator> emulator,
                                                       std::string location) {
  if (!emulator) return nullptr;
  return std::make_unique<EmulatorTransport>(std::move(emulator), std::move(location));
}
