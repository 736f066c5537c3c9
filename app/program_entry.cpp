// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_entry.h"

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "texts/phrases.h"
#include "ui/paint_manager.h"

int RunPadControls(const WindowContext& context, const std::string& guardName,
                   GamepadSource* gamepads, const BeforeLoop& beforeLoop) {
  if (AcquireInstanceLock(guardName) == InstanceLock::kAlreadyRunning) {
    const bool chinese = context.UseChinese();
    ShowMessageBox(context, {nullptr, phrases::kAlreadyRunning.In(chinese),
                             phrases::kCaption.In(chinese), phrases::kOkButton.In(chinese)});
    PostQuitMessage(0);
    return 0;
  }

  // Lives as long as the process, and its controller object with it; the end of the process
  // releases both.
  auto* window = new MainWindow(context);
  window->SetGamepadSource(gamepads);
  // Only now, with the lock held: a second copy never touches the controller. The read is
  // mostly pauses, so the window is built while it runs.
  window->BeginStartupRead();
  window->Create(nullptr, QStringLiteral("PadMainWindow"));
  window->SetIcon(context.ResourceFolder() + QStringLiteral("/padcontrols.png"));
  window->ShowWindow(true);
  if (beforeLoop) beforeLoop(*window);
  CPaintManagerUI::MessageLoop();
  return 0;
}
