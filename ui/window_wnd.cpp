#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <QWindow>

#include "ui/paint_manager.h"
#include "ui/window_private.h"

bool CWindowWnd::Impl::Route(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (result != nullptr) *result = 0;
  // While the window object is being torn down its handlers may be gone already.
  if (destroying) return false;
  frames.push_back(false);
  const LRESULT r = owner->HandleMessage(uMsg, wParam, lParam);
  const bool reachedDefault = frames.back();
  frames.pop_back();
  if (result != nullptr) *result = r;
  return reachedDefault;
}

namespace ui {

HostWidget::HostWidget(CWindowWnd::Impl* window, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), window_(window) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
}

bool HostWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) window_->Route(WM_SETFOCUS, 0, 0);
  if (event->type() == QEvent::WindowDeactivate) {
    // Keys released while another window has the keyboard never reach this one.
    window_->heldKeys.clear();
    window_->Route(WM_KILLFOCUS, 0, 0);
  }
  return QWidget::event(event);
}

void HostWidget::closeEvent(QCloseEvent* event) {
  if (window_->closing) {
    event->accept();
    return;
  }
  // The user asked to close: that is the system close command, and the window decides.
  event->ignore();
  window_->Route(WM_SYSCOMMAND, SC_CLOSE, 0);
}

void HostWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const auto w = static_cast<std::uint32_t>(width()) & 0xFFFFu;
  const auto h = static_cast<std::uint32_t>(height()) & 0xFFFFu;
  window_->Route(WM_SIZE, 0, static_cast<LPARAM>((h << 16) | w));
}

}  // namespace ui

CWindowWnd::CWindowWnd() : impl_(std::make_unique<Impl>()) {
  impl_->owner = this;
}

CWindowWnd::~CWindowWnd() {
  impl_->destroying = true;
  impl_->closing = true;
  impl_->timers.clear();
  impl_->host.reset();
}

HWND CWindowWnd::GetHWND() const {
  return impl_->host.get();
}

HWND CWindowWnd::Create(HWND parent, const QString& caption, UINT, UINT, int x, int y, int cx,
                        int cy) {
  if (impl_->host) return impl_->host.get();
  impl_->host = std::make_unique<ui::HostWidget>(impl_.get(), parent);
  ui::HostWidget* host = impl_->host.get();
  host->setWindowTitle(caption);
  host->winId();  // the native window exists from here on, as its input filter needs
  if (QWindow* window = host->windowHandle()) {
    impl_->filter = new ui::WindowMessageFilter(impl_.get(), host);
    window->installEventFilter(impl_->filter);
  }
  if (cx != CW_USEDEFAULT && cy != CW_USEDEFAULT) {
    impl_->requestedSize = QSize(cx, cy);
    host->resize(impl_->requestedSize);
  }
  if (x != CW_USEDEFAULT && y != CW_USEDEFAULT) host->move(x, y);
  impl_->Route(WM_CREATE, 0, 0);
  OnCreated();
  return host;
}

void CWindowWnd::ShowWindow(bool show) {
  QWidget* host = impl_->host.get();
  if (host == nullptr) return;
  if (!show) {
    host->hide();
    return;
  }
  host->show();
  host->raise();
  // Without a window manager, showing alone does not give the window the keyboard.
  host->activateWindow();
}

void CWindowWnd::CenterWindow() {
  QWidget* host = impl_->host.get();
  if (host == nullptr) return;
  QRect area;
  if (QWidget* parent = host->parentWidget()) {
    area = parent->window()->geometry();
  } else if (QScreen* screen = host->screen()) {
    area = screen->availableGeometry();
  }
  if (area.isEmpty()) return;
  host->move(area.center() - host->rect().center());
}

void CWindowWnd::SetIcon(const QString& pictureFile) {
  QWidget* host = impl_->host.get();
  if (host == nullptr || pictureFile.isEmpty()) return;
  const QIcon icon(pictureFile);
  if (!icon.isNull()) host->setWindowIcon(icon);
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  impl_->Route(uMsg, wParam, lParam, &result);
  return result;
}

bool CWindowWnd::SetTimer(UINT_PTR id, UINT periodMs) {
  if (!impl_->host) return false;
  std::unique_ptr<QTimer>& timer = impl_->timers[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    Impl* impl = impl_.get();
    QObject::connect(timer.get(), &QTimer::timeout, [impl, id] { impl->Route(WM_TIMER, id, 0); });
  }
  timer->start(static_cast<int>(periodMs));
  return true;
}

void CWindowWnd::KillTimer(UINT_PTR id) {
  impl_->timers.erase(id);
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM) {
  if (!impl_->frames.empty()) impl_->frames.back() = true;
  QWidget* host = impl_->host.get();
  if (host == nullptr) return 0;
  switch (uMsg) {
    case WM_SYSCOMMAND:
      // Commands are compared whole: a value with extra low bits is no command of ours.
      if (wParam == SC_MINIMIZE) host->showMinimized();
      if (wParam == SC_RESTORE) host->showNormal();
      if (wParam == SC_CLOSE) SendMessage(WM_CLOSE);
      break;
    case WM_CLOSE:
      // Hidden, not closed: this may run inside Qt's own close of the same window.
      if (host->isVisible()) {
        host->hide();
        SendMessage(WM_DESTROY);
      }
      break;
    default:
      break;
  }
  return 0;
}
