#include <utility>

#include "emulator/controller_emulator.h"

namespace {

class EmulatorTransport final : public ReportTransport {
 public:
  explicit EmulatorTransport(std::shared_ptr<ControllerEmulator> emulator)
      : emulator_(std::move(emulator)) {}

  bool SendOutputReport(const Report& report) override {
    return emulator_->HandleOutputReport(report);
  }
  bool GetInputReport(Report& report) override { return emulator_->HandleInputReport(report); }

 private:
  std::shared_ptr<ControllerEmulator> emulator_;
};

}  // namespace

std::unique_ptr<ReportTransport> MakeEmulatorTransport(
    std::shared_ptr<ControllerEmulator> emulator) {
  if (!emulator) return nullptr;
  return std::make_unique<EmulatorTransport>(std::move(emulator));
}
