#include "app/language_texts.h"
#include "app/main_window.h"
#include "keys/key_slots.h"
#include "ui/paint_manager.h"

void MainWindow::Notify(TNotifyUI& msg) {
  if (msg.sType == QLatin1String("click")) {
    CControlUI* sender = msg.pSender;
    if (sender == nullptr) {
      // Not from one of our controls: fall through to the toolkit.
    } else if (sender == closeBtn) {
      // Nothing is saved on the way out: only Save writes to the controller.
      PostQuitMessage(0);
      return;
    } else if (sender == minBtn) {
      SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
      return;
    } else if (sender == controlKeyBtn) {
      if (!LoadControlKeyPage()) ShowMessage(phrases::kReadFailed);
      currentPage = 2;
      return;
    } else if (sender == backKeyBtn) {
      if (!LoadBackKeyPage()) ShowMessage(phrases::kReadFailed);
      currentPage = 1;
      return;
    } else if (sender == backBtn) {
      ShowMainMenu(true);
      ShowBackKeyPage(false);
      ShowControlKeyPage(false);
      ShowPageButtons(false);
      selectedSlot = kNoSlot;
      currentPage = 0;
      return;
    }
  }
  WindowImplBase::Notify(msg);
}
