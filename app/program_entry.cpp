#include "app/program_entry.h"

#include "app/language_texts.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "config/controller_device.h"
#include "sysinfo/system_language.h"
#include "ui/message_box.h"
#include "ui/paint_manager.h"

int RunPadControls(const std::string& guardName, const EntryWiring& wiring) {
  if (AcquireInstanceLock(guardName) == InstanceLock::kAlreadyRunning) {
    const bool chinese = UseChinese();
    MessageBox(nullptr, phrases::kAlreadyRunning.In(chinese), phrases::kCaption.In(chinese));
    PostQuitMessage(0);
    return 0;
  }

  // The controller object exists before the window, so every later use finds it.
  TheControllerDevice();
  CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + "Resources");

  // Lives as long as the process; the end of the process releases it.
  auto* window = new MainWindow();
  window->SetGamepadSource(wiring.gamepads);
  window->Create(nullptr, QStringLiteral("PadMainWindow"));
  window->SetIcon(CPaintManagerUI::GetResourcePath() + QStringLiteral("/padcontrols.png"));
  window->ShowWindow(true);
  if (wiring.beforeLoop) wiring.beforeLoop(*window);
  CPaintManagerUI::MessageLoop();
  return 0;
}
