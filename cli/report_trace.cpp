// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/report_trace.h"

#include <memory>
#include <string>
#include <utility>

#include "device/precise_pause.h"
#include "link/wide_to_utf8.h"

namespace {

struct TraceState {
  std::ostream* out = nullptr;
  int pausedMs = 0;  // asked for since the last report

  void Report(const char* what, int ms, const ::Report* bytes) {
    static const char* kDigits = "0123456789ABCDEF";
    std::string line = std::string("report ") + what + " after " + std::to_string(ms) + " ms";
    if (bytes != nullptr) {
      line += ":";
      for (const std::uint8_t byte : *bytes) {
        line += ' ';
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0xF];
      }
    }
    *out << line << '\n' << std::flush;
  }
  int TakePause() { return std::exchange(pausedMs, 0); }
};

class TracingTransport final : public ReportTransport {
 public:
  TracingTransport(std::unique_ptr<ReportTransport> inner, std::shared_ptr<TraceState> state)
      : inner_(std::move(inner)), state_(std::move(state)) {}

  bool SendOutputReport(const Report& report) override {
    const int ms = state_->TakePause();
    const bool sent = inner_->SendOutputReport(report);
    state_->Report(sent ? "sent   " : "send failed", ms, &report);
    return sent;
  }
  bool GetInputReport(Report& report) override {
    const int ms = state_->TakePause();
    const bool fetched = inner_->GetInputReport(report);
    state_->Report(fetched ? "fetched" : "fetch failed", ms, fetched ? &report : nullptr);
    return fetched;
  }
  std::string Location() const override { return inner_->Location(); }
  TransportFault LastFault() const override { return inner_->LastFault(); }
  ExchangeLockAttempt TryLockExchanges() override { return inner_->TryLockExchanges(); }
  void UnlockExchanges() override { inner_->UnlockExchanges(); }

 private:
  std::unique_ptr<ReportTransport> inner_;
  std::shared_ptr<TraceState> state_;
};

}  // namespace

void EnableReportTrace(CliContext& context, std::ostream& stream) {
  auto state = std::make_shared<TraceState>();
  state->out = &stream;
  context.program.trace = [state](const std::wstring& line) {
    *state->out << "trace: " << WideToUtf8(line) << '\n' << std::flush;
  };
  context.pause = [state, inner = context.pause](int ms) {
    state->pausedMs += ms;
    if (inner) {
      inner(ms);
    } else {
      SleepMilliseconds(ms);
    }
  };
  context.program.openController = [state, search = context.program.openController] {
    ControllerSearch found = search ? search() : ControllerSearch{};
    if (found.transport) {
      found.transport = std::make_unique<TracingTransport>(std::move(found.transport), state);
    }
    return found;
  };
}
