// SPDX-License-Identifier: GPL-3.0-or-later
#include "emulator/emulated_plug.h"

#include <string>
#include <utility>

#include "device/report_protocol.h"
#include "emulator/emulator_exchange_lock.h"

class EmulatedPlug::Transport final : public ReportTransport {
 public:
  Transport(std::shared_ptr<EmulatedPlug> plug, int node)
      : plug_(std::move(plug)), node_(node), lock_(plug_->emulator_) {}

  bool SendOutputReport(const Report& report) override {
    return plug_->NodeAlive(node_, &report) && plug_->emulator_->HandleOutputReport(report);
  }
  bool GetInputReport(Report& report) override {
    return plug_->NodeAlive(node_, nullptr) && plug_->emulator_->HandleInputReport(report);
  }
  std::string Location() const override { return "emulated node " + std::to_string(node_); }
  TransportFault LastFault() const override {
    return plug_->node_ == node_ && plug_->pluggedIn_ ? TransportFault::kOther
                                                      : TransportFault::kGone;
  }
  std::string Identity() const override { return lock_.Identity(); }
  ExchangeLockAttempt TryLockExchanges() override { return lock_.TryTake(); }
  void UnlockExchanges() override { lock_.Release(); }

 private:
  std::shared_ptr<EmulatedPlug> plug_;
  int node_;
  EmulatorExchangeLock lock_;
};

EmulatedPlug::EmulatedPlug(std::shared_ptr<ControllerEmulator> emulator)
    : emulator_(std::move(emulator)) {}

std::shared_ptr<EmulatedPlug> EmulatedPlug::Create(std::shared_ptr<ControllerEmulator> emulator) {
  return std::shared_ptr<EmulatedPlug>(new EmulatedPlug(std::move(emulator)));
}

ControllerSearch EmulatedPlug::Open() {
  if (!pluggedIn_ || !emulator_) return {};
  return ControllerSearch(std::make_unique<Transport>(shared_from_this(), node_.load()));
}

void EmulatedPlug::Unplug() {
  pluggedIn_ = false;
  ++node_;
}

void EmulatedPlug::Plug() {
  pluggedIn_ = true;
}

void EmulatedPlug::Replug() {
  ++node_;
  pluggedIn_ = true;
}

bool EmulatedPlug::PluggedIn() const {
  return pluggedIn_;
}

void EmulatedPlug::UnplugAfterExchanges(int exchanges, bool comesBack) {
  comesBack_ = comesBack;
  exchangesLeft_ = exchanges;
}

bool EmulatedPlug::NodeAlive(int node, const Report* sent) {
  const bool startsExchange =
      sent != nullptr && HasValidRequestHeader(*sent) &&
      ((*sent)[2] == command::kReadStart || (*sent)[2] == command::kWriteStart);
  if (startsExchange && node == node_ && pluggedIn_ && exchangesLeft_ >= 0 &&
      exchangesLeft_-- == 0) {
    if (comesBack_) {
      Replug();
    } else {
      Unplug();
    }
  }
  return node == node_ && pluggedIn_;
}
