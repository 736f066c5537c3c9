// SPDX-License-Identifier: GPL-3.0-or-later
// How much a page opening and a Save cost on top of their exchange with the controller: the
// window driven as a click would drive it, against the in-process emulator with its real 5 ms
// pauses. Read floor 55 ms, write floor 60 ms. A Save reads the controller, writes and reads
// back before its message: floor 170 ms, and the page it reloads shows that read-back. What is
// left is the window's own work.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "names/control_names.h"
#include "emulator/controller_emulator.h"
#include "sysinfo/board_model.h"
#include "ui/controls.h"
#include "bench/median.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 20;
constexpr double kReadFloorMs = 55.0;
constexpr double kWriteFloorMs = 60.0;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void Click(MainWindow& window, CControlUI* control) {
  TNotifyUI msg;
  msg.sType = QStringLiteral("click");
  msg.pSender = control;
  window.Notify(msg);
}

void Print(const char* name, const std::vector<double>& times, double floorMs) {
  const double median = Median(times);
  std::printf("%-22s median %7.2f ms  floor %5.1f ms  over floor %6.2f ms  ratio %.3f\n", name,
              median, floorMs, median - floorMs, median / floorMs);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  auto emulator = std::make_shared<ControllerEmulator>();
  emulator->SetVersion({0x01, 0x07, 0x02, 0x15});
  WindowContext context;
  context.openController = [emulator] { return MakeEmulatorTransport(emulator); };
  QTemporaryDir boardFolder;
  QFile board(QDir(boardFolder.path()).filePath(QStringLiteral("board_name")));
  if (!board.open(QIODevice::WriteOnly) || board.write("T2803-31\n") < 0) return 1;
  board.close();
  const std::string boardModelFolder = boardFolder.path().toStdString();
  context.boardModel = [boardModelFolder] { return BoardModel(boardModelFolder); };

  Clock::time_point messageShown;
  int failures = 0;
  context.showMessage = [&](const ShownMessage& message) {
    messageShown = Clock::now();
    if (message.text != QStringLiteral("Saved successfully !")) ++failures;
  };

  MainWindow window(context);
  window.Create(nullptr, QStringLiteral("PadMainWindow"));
  window.ShowWindow(true);
  QApplication::processEvents();

  auto control = [&window](const char* name) {
    return window.GetManager().FindControl(QString::fromLatin1(name));
  };
  CControlUI* const saveButton = control(names::kSave);
  std::vector<double> controlPage, backPage, save, saveWhole;
  for (int run = 0; run < kRuns; ++run) {
    for (auto [button, times] : {std::pair{control(names::kControlKeyMenu), &controlPage},
                                 std::pair{control(names::kBackKeyMenu), &backPage}}) {
      const auto start = Clock::now();
      Click(window, button);
      QApplication::processEvents();  // laid out and painted
      times->push_back(Ms(Clock::now() - start));
      if (!ui::IsVisible(saveButton)) ++failures;

      const auto saveStart = Clock::now();
      Click(window, saveButton);
      QApplication::processEvents();  // the reloaded page laid out and painted
      save.push_back(Ms(messageShown - saveStart));
      saveWhole.push_back(Ms(Clock::now() - saveStart));
      Click(window, control(names::kBack));
      QApplication::processEvents();
    }
  }

  std::printf("%d runs each, in-process emulator, real pauses, model T2803-31\n", kRuns);
  Print("open control-key page", controlPage, kReadFloorMs);
  Print("open back-key page", backPage, kReadFloorMs);
  Print("save (to message)", save, kReadFloorMs + kWriteFloorMs + kReadFloorMs);
  // The reload shows the read-back: no fourth exchange after the message.
  Print("save (page reloaded)", saveWhole, kReadFloorMs + kWriteFloorMs + kReadFloorMs);
  std::printf("failures %d\n", failures);
  return failures == 0 ? 0 : 1;
}
