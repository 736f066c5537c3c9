#include "ui/window_impl_base.h"

#include <QWidget>

#include "ui/window_private.h"

WindowImplBase::WindowImplBase() = default;
WindowImplBase::~WindowImplBase() {
  // No message may reach this window's handlers once their object is going.
  impl_->destroying = true;
  impl_->timers.clear();
}

void WindowImplBase::OnCreated() {
  QWidget* host = GetHWND();
  m_pm.AddNotifier(this);
  m_pm.LoadSkin(SkinFileName(), host);
  if (host->windowTitle().isEmpty()) host->setWindowTitle(m_pm.GetWindowTitle());
  if (impl_->requestedSize.isValid()) host->resize(impl_->requestedSize);
  OnWindowReady();
}

void WindowImplBase::Notify(TNotifyUI& msg) {
  // The skin's own window buttons work without any code in the window.
  if (msg.sType != "click" || msg.pSender == nullptr) return;
  const QString name = msg.pSender->GetName();
  if (name == "closebtn") SendMessage(WM_SYSCOMMAND, SC_CLOSE);
  if (name == "minbtn") SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
}

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  bool handled = true;
  LRESULT result = 0;
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
    case WM_CHAR:
      result = OnChar(uMsg, wParam, lParam, handled);
      break;
    case WM_SETFOCUS:
      result = OnSetFocus(uMsg, wParam, lParam, handled);
      break;
    case WM_KILLFOCUS:
      result = OnKillFocus(uMsg, wParam, lParam, handled);
      break;
    case WM_SYSCOMMAND:
      result = OnSysCommand(uMsg, wParam, lParam, handled);
      break;
    case WM_TIMER:
      result = OnTimer(uMsg, wParam, lParam, handled);
      break;
    case WM_LBUTTONDOWN:
      result = OnLButtonDown(uMsg, wParam, lParam, handled);
      break;
    case WM_LBUTTONUP:
      result = OnLButtonUp(uMsg, wParam, lParam, handled);
      break;
    case WM_MOUSEMOVE:
      result = OnMouseMove(uMsg, wParam, lParam, handled);
      break;
    case WM_MOUSEWHEEL:
      result = OnMouseWheel(uMsg, wParam, lParam, handled);
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

LRESULT WindowImplBase::FinishRouting(UINT uMsg, WPARAM wParam, LPARAM lParam, bool handled,
                                      LRESULT hookResult) {
  if (handled) return hookResult;
  LRESULT result = HandleCustomMessage(uMsg, wParam, lParam, handled);
  if (handled) return result;
  if (m_pm.MessageHandler(uMsg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, bool& bHandled) {
  bHandled = false;
  return 0;
}

// The default hooks leave every message to the later stages.
#define PASS_ON_HOOK(name)                                             \
  LRESULT WindowImplBase::name(UINT, WPARAM, LPARAM, bool& bHandled) { \
    bHandled = false;                                                  \
    return 0;                                                          \
  }
PASS_ON_HOOK(OnCreate)
PASS_ON_HOOK(OnDestroy)
PASS_ON_HOOK(OnSize)
PASS_ON_HOOK(OnClose)
PASS_ON_HOOK(OnGetMinMaxInfo)
PASS_ON_HOOK(OnNcCalcSize)
PASS_ON_HOOK(OnNcHitTest)
PASS_ON_HOOK(OnNcPaint)
PASS_ON_HOOK(OnNcActivate)
PASS_ON_HOOK(OnKeyDown)
PASS_ON_HOOK(OnChar)
PASS_ON_HOOK(OnSetFocus)
PASS_ON_HOOK(OnKillFocus)
PASS_ON_HOOK(OnSysCommand)
PASS_ON_HOOK(OnTimer)
PASS_ON_HOOK(OnLButtonDown)
PASS_ON_HOOK(OnLButtonUp)
PASS_ON_HOOK(OnMouseMove)
PASS_ON_HOOK(OnMouseWheel)
PASS_ON_HOOK(OnMouseHover)
#undef PASS_ON_HOOK
