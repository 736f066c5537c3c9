// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <set>

#include "ui/window_impl_base.h"

namespace ui {
class HostWidget;
class WindowInputFilter;
}  // namespace ui

struct CWindowWnd::Impl {
  CWindowWnd* owner = nullptr;
  std::unique_ptr<ui::HostWidget> host;
  QPointer<ui::WindowInputFilter> filter;
  // The skin's manager, once there is one: it decides whether a press drags the window.
  CPaintManagerUI* manager = nullptr;
  std::unique_ptr<QTimer> tick;
  // Keys held down (scan code, plus scancode::kExtendedBit when extended), for auto-repeat
  // and the Alt and Ctrl context of system keys.
  std::set<std::uint32_t> heldKeys;
  bool closing = false;
  bool destroying = false;

  // Hands an event to the owner's hook and gives what it leaves the default handling. True
  // when the hook consumed it.
  bool Deliver(const ui::WindowEvent& event);
};

namespace ui {

// The native window: frameless, its title area drawn by the skin.
class HostWidget : public QWidget {
 public:
  HostWidget(CWindowWnd::Impl* window, QWidget* parent);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  CWindowWnd::Impl* window_;
};

// Watches the native window's input: keys and the wheel become typed events for the window, a
// left press in the caption area may start a window move.
class WindowInputFilter : public QObject {
 public:
  WindowInputFilter(CWindowWnd::Impl* window, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OnKey(QEvent* event);
  bool OnWheel(QEvent* event);
  bool OnMousePress(QEvent* event);
  CWindowWnd::Impl* window_;
};

}  // namespace ui
