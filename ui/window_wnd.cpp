// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "ui/paint_manager.h"
#include "ui/window_private.h"

bool CWindowWnd::Impl::Deliver(const ui::WindowEvent& event) {
  // While the window object is being torn down its hooks may be gone already.
  if (destroying) return false;
  bool consumed = owner->Dispatch(event);
  // Keys the window leaves alone move the focus and activate controls.
  if (const auto* key = std::get_if<ui::KeyEvent>(&event);
      key != nullptr && !consumed && !destroying && manager != nullptr) {
    consumed = manager->HandleNavigationKey(*key);
  }
  if (!consumed && std::holds_alternative<ui::CloseRequest>(event) && host && host->isVisible()) {
    // Hidden, not closed: this may run inside Qt's own close of the same window.
    host->hide();
  }
  return consumed;
}

namespace ui {

HostWidget::HostWidget(CWindowWnd::Impl* window, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), window_(window) {
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
}

bool HostWidget::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) window_->Deliver(FocusChange::kGained);
  if (event->type() == QEvent::WindowDeactivate) {
    // Keys released while another window has the keyboard never reach this one.
    window_->heldKeys.clear();
    window_->Deliver(FocusChange::kLost);
  }
  return QWidget::event(event);
}

void HostWidget::closeEvent(QCloseEvent* event) {
  if (window_->closing) {
    event->accept();
    return;
  }
  // The user asked to close: the window decides, and by default it is hidden.
  event->ignore();
  window_->Deliver(CloseRequest{});
}

}  // namespace ui

CWindowWnd::CWindowWnd() : impl_(std::make_unique<Impl>()) {
  impl_->owner = this;
}

CWindowWnd::~CWindowWnd() {
  impl_->destroying = true;
  impl_->closing = true;
  impl_->tick.reset();
  impl_->host.reset();
}

QWidget* CWindowWnd::GetHost() const {
  return impl_->host.get();
}

QWidget* CWindowWnd::Create(QWidget* parent, const QString& caption) {
  if (impl_->host) return impl_->host.get();
  impl_->host = std::make_unique<ui::HostWidget>(impl_.get(), parent);
  ui::HostWidget* host = impl_->host.get();
  host->setWindowTitle(caption);
  host->winId();  // the native window exists from here on, as its input filter needs
  if (QWindow* window = host->windowHandle()) {
    impl_->filter = new ui::WindowInputFilter(impl_.get(), host);
    window->installEventFilter(impl_->filter);
  }
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

void CWindowWnd::Minimize() {
  if (QWidget* host = impl_->host.get()) host->showMinimized();
}

void CWindowWnd::SetIcon(const QString& pictureFile) {
  QWidget* host = impl_->host.get();
  if (host == nullptr || pictureFile.isEmpty()) return;
  const QIcon icon(pictureFile);
  if (!icon.isNull()) host->setWindowIcon(icon);
}

bool CWindowWnd::StartTick(int periodMs) {
  if (!impl_->host) return false;
  if (!impl_->tick) {
    impl_->tick = std::make_unique<QTimer>();
    Impl* impl = impl_.get();
    QObject::connect(impl_->tick.get(), &QTimer::timeout, [impl] { impl->Deliver(ui::Tick{}); });
  }
  impl_->tick->start(std::max(periodMs, 0));
  return true;
}

void CWindowWnd::StopTick() {
  // Stopped, not deleted: this may run inside one of the tick's own beats (a modal message
  // opened from a beat runs the loop, and a later beat stops the tick).
  if (impl_->tick) impl_->tick->stop();
}

bool CWindowWnd::Deliver(const ui::WindowEvent& event) {
  return impl_->Deliver(event);
}
