#include "app/program_entry.h"

#include "texts/phrases.h"
#include "app/main_window.h"
#include "app/single_instance.h"
#include "device/controller_device.h"
#include "sysinfo/system_language.h"
#include "ui/message_box.h"
#include "ui/paint_manager.h"

namespace {
// Window style and extended style of the classic desktop window: a visible captioned popup
// with a system menu, clipping its children.
constexpr UINT kWindowStyle = 0x96C80000;
constexpr UINT kWindowExStyle = 0x100;
}  // namespace

int RunPadControls(const std::string& guardName, const EntryWiring& wiring) {
  if (AcquireInstanceLock(guardName) == InstanceLock::kAlreadyRunning) {
    const bool chinese = UseChinese();
    MessageBox(nullptr, phrases::kAlreadyRunning.In(chinese), phrases::kCaption.In(chinese), MB_OK);
    PostQuitMessage(0);
    return 0;
  }

  // The controller object exists before the window, so every later use finds it.
  TheControllerDevice();
  CPaintManagerUI::SetInstance(nullptr);
  CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + "Resources");

  // Lives as long as the process; the end of the process releases it.
  auto* window = new MainWindow();
  window->SetGamepadSource(wiring.gamepads);
  window->Create(nullptr, QStringLiteral("PadMainWindow"), kWindowStyle, kWindowExStyle,
                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  window->SetIcon(CPaintManagerUI::GetResourcePath() + QStringLiteral("/padcontrols.png"));
  window->ShowWindow(true);
  if (wiring.beforeLoop) wiring.beforeLoop(*window);
  CPaintManagerUI::MessageLoop();
  return 0;
}
