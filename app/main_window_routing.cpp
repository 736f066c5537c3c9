#include "app/main_window.h"

#include "ui/paint_manager.h"

// Messages go to their hook with the handled flag preset; a hook that clears the flag lets
// the later stages (custom handler, the toolkit's controls, default processing) see it.
LRESULT MainWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  bool handled = true;
  switch (uMsg) {
    case WM_CREATE:
      result = OnCreate(uMsg, wParam, lParam, handled);
      break;
    case WM_DESTROY:
      result = OnDestroy(uMsg, wParam, lParam, handled);
      break;
    case WM_SIZE:
      result = OnSize(uMsg, wParam, lParam, handled);
      break;
    case WM_SETFOCUS:
      result = OnFocusGained(uMsg, wParam, lParam, handled);
      break;
    case WM_KILLFOCUS:
      result = OnFocusLost(uMsg, wParam, lParam, handled);
      break;
    case WM_CLOSE:
      result = OnClose(uMsg, wParam, lParam, handled);
      break;
    case WM_GETMINMAXINFO:
      result = OnGetMinMaxInfo(uMsg, wParam, lParam, handled);
      break;
    case WM_NCCALCSIZE:
      result = OnNcCalcSize(uMsg, wParam, lParam, handled);
      break;
    case WM_NCHITTEST:
      result = OnNcHitTest(uMsg, wParam, lParam, handled);
      break;
    case WM_NCPAINT:
      result = OnNcPaint(uMsg, wParam, lParam, handled);
      break;
    case WM_NCACTIVATE:
      result = OnNcActivate(uMsg, wParam, lParam, handled);
      break;
    case WM_KEYDOWN:
      result = OnKeyDown(uMsg, wParam, lParam, handled);
      break;
    case WM_KEYUP:
      result = CaptureKeyUp(uMsg, wParam, lParam, handled);
      break;
    case WM_CHAR:
      result = OnChar(uMsg, wParam, lParam, handled);
      break;
    case WM_SYSKEYDOWN:
      result = CaptureSysKeyDown(uMsg, wParam, lParam, handled);
      break;
    case WM_SYSCOMMAND:
      result = OnSysCommand(uMsg, wParam, lParam, handled);
      break;
    case WM_TIMER:
      result = PollGamepad(uMsg, wParam, lParam, handled);
      break;
    case WM_LBUTTONDOWN:
      result = OnLButtonDown(uMsg, wParam, lParam, handled);
      break;
    case WM_LBUTTONUP:
      result = OnLButtonUp(uMsg, wParam, lParam, handled);
      break;
    case WM_MOUSEWHEEL:
      result = CaptureWheel(uMsg, wParam, lParam, handled);
      break;
    case WM_MOUSEHOVER:
      result = OnMouseHover(uMsg, wParam, lParam, handled);
      break;
    default:
      handled = false;
      break;
  }
  return FinishRouting(uMsg, wParam, lParam, handled, result);
}

LRESULT MainWindow::OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  // Compared as it comes: a command with its low bits set is not a close.
  if (wParam == SC_CLOSE) {
    bHandled = true;
    PostQuitMessage(0);
    return 0;
  }
  return WindowImplBase::OnSysCommand(uMsg, wParam, lParam, bHandled);
}

LRESULT MainWindow::OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
  bHandled = false;
  return WindowImplBase::OnMouseHover(uMsg, wParam, lParam, bHandled);
}

LRESULT MainWindow::OnKeyDown(UINT, WPARAM, LPARAM, bool& bHandled) {
  // Keys are captured on release; the press goes on to the toolkit's own key handling.
  bHandled = false;
  return 0;
}

LRESULT MainWindow::OnFocusLost(UINT, WPARAM, LPARAM, bool&) {
  hasFocus = 0;
  UpdateGamepadTick();
  return 0;
}

LRESULT MainWindow::OnFocusGained(UINT, WPARAM, LPARAM, bool&) {
  hasFocus = 1;
  UpdateGamepadTick();
  return 0;
}
