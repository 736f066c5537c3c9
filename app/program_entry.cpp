#include "app/program_entry.h"

#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/single_instance.h"
#include "texts/phrases.h"
#include "ui/paint_manager.h"

namespace {
// Window style and extended style of the classic desktop window: a visible captioned popup
// with a system menu, clipping its children.
constexpr UINT kWindowStyle = 0x96C80000;
constexpr UINT kWindowExStyle = 0x100;
}  // namespace

int RunPadControls(const ProgramContext& context, const std::string& guardName,
                   const EntryWiring& wiring) {
  if (AcquireInstanceLock(guardName) == InstanceLock::kAlreadyRunning) {
    const bool chinese = context.UseChinese();
    ShowMessageBox(context,
                   {nullptr, phrases::kAlreadyRunning.In(chinese), phrases::kCaption.In(chinese)});
    PostQuitMessage(0);
    return 0;
  }

  CPaintManagerUI::SetInstance(nullptr);

  // Lives as long as the process, and its controller object with it; the end of the process
  // releases both.
  auto* window = new MainWindow(context);
  window->SetGamepadSource(wiring.gamepads);
  window->Create(nullptr, QStringLiteral("PadMainWindow"), kWindowStyle, kWindowExStyle,
                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  window->SetIcon(context.ResourceFolder() + QStringLiteral("/padcontrols.png"));
  window->ShowWindow(true);
  if (wiring.beforeLoop) wiring.beforeLoop(*window);
  CPaintManagerUI::MessageLoop();
  return 0;
}
