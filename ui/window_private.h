#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "ui/window_impl_base.h"

namespace ui {
class HostWidget;
class WindowMessageFilter;
}  // namespace ui

struct CWindowWnd::Impl {
  CWindowWnd* owner = nullptr;
  std::unique_ptr<ui::HostWidget> host;
  QPointer<ui::WindowMessageFilter> filter;
  std::map<UINT_PTR, std::unique_ptr<QTimer>> timers;
  // One entry per message being routed: whether it reached default processing.
  std::vector<bool> frames;
  // Keys held down (scan code, 0x100 when extended), for the previous state and Alt context.
  std::set<unsigned> heldKeys;
  QSize requestedSize;
  bool closing = false;
  bool destroying = false;

  // Delivers a message to the owner's HandleMessage. True when it reached default processing,
  // which is when Qt may still act on the event that caused it.
  bool Route(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);
};

namespace ui {

// The native window: frameless, its title area drawn by the skin.
class HostWidget : public QWidget {
 public:
  HostWidget(CWindowWnd::Impl* window, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  CWindowWnd::Impl* window_;
};

// Watches the native window's input and turns it into window messages.
class WindowMessageFilter : public QObject {
 public:
  WindowMessageFilter(CWindowWnd::Impl* window, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKey(QEvent* event);
  bool OnWheel(QEvent* event);
  bool OnMouse(QEvent* event);
  CWindowWnd::Impl* window_;
};

}  // namespace ui
