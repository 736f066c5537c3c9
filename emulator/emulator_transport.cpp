#include <utility>

#include "emulator/controller_emulator.h"

namespace {

class EmulatorTransport final : public ReportTransport {
 public:
  EmulatorTransport(std::shared_ptr<ControllerEmulator> emulator, std::string location)
      : emulator_(std::move(emulator)), location_(std::move(location)) {}

  bool SendOutputReport(const Report& report) override {
    return emulator_->HandleOutputReport(report);
  }
  bool GetInputReport(Report& report) override { return emulator_->HandleInputReport(report); }
  std::string Location() const override { return location_; }

 private:
  std::shared_ptr<ControllerEmulator> emulator_;
  std::string location_;
};

}  // namespace

std::unique_ptr<ReportTransport> MakeEmulatorTransport(std::shared_ptr<ControllerEmulator> emulator,
                                                       std::string location) {
  if (!emulator) return nullptr;
  return std::make_unique<EmulatorTransport>(std::move(emulator), std::move(location));
}
