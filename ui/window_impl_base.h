// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "ui/paint_manager.h"
#include "ui/window_events.h"

// A native window: a frameless top-level widget whose input reaches the window as typed events
// (key, wheel, focus, close request, tick).
namespace ui {
class HostWidget;
class WindowInputFilter;
}  // namespace ui

class QWidget;

class CWindowWnd {
 public:
  CWindowWnd();
  virtual ~CWindowWnd();

  // The window's widget; none before Create.
  QWidget* GetHost() const;

  // Creates the window with its caption; its size comes from the skin. A second call returns
  // the window already there.
  QWidget* Create(QWidget* parent, const QString& caption);
  void ShowWindow(bool show = true);
  void CenterWindow();
  void Minimize();
  // The window's icon, from the picture file at that path.
  void SetIcon(const QString& pictureFile);
  // One periodic tick per window, delivered as a Tick event on the UI thread. Starting it again
  // changes its period. False before Create.
  bool StartTick(int periodMs);
  void StopTick();

  // Hands the window an event as its input would: it goes to the window's hook, and what the
  // hook does not consume gets the toolkit's default handling. True when the hook consumed it.
  bool Deliver(const ui::WindowEvent& event);

  virtual QString WindowClassName() const = 0;

 protected:
  // Sends the event to its hook; true when the hook consumed it.
  virtual bool Dispatch(const ui::WindowEvent& event) = 0;
  virtual void OnCreated() {}
  struct Impl;
  std::unique_ptr<Impl> impl_;
  friend class ui::HostWidget;
  friend class ui::WindowInputFilter;
};

// The skin-driven window: builds its skin on Create, calls OnWindowReady once with every
// control in place, gives events to the hooks below and notifications to Notify.
class WindowImplBase : public CWindowWnd, public INotifyUI {
 public:
  WindowImplBase();
  ~WindowImplBase() override;

  virtual QString SkinFileName() = 0;
  virtual void OnWindowReady() {}
  void Notify(TNotifyUI& msg) override;

  // Hooks, one per kind of event. Each returns true when it consumed the event; the defaults
  // consume nothing.
  virtual bool OnKeyDown(const ui::KeyEvent& key);
  virtual bool OnKeyUp(const ui::KeyEvent& key);
  // System keys: F10, and keys while Alt is held without Ctrl.
  virtual bool OnSysKeyDown(const ui::KeyEvent& key);
  virtual bool OnSysKeyUp(const ui::KeyEvent& key);
  virtual bool OnWheel(const ui::WheelEvent& wheel);
  virtual bool OnFocusGained();
  virtual bool OnFocusLost();
  // Not consumed, the window is hidden.
  virtual bool OnCloseRequest();
  virtual bool OnTick();

  CPaintManagerUI& GetManager() { return m_pm; }

 protected:
  bool Dispatch(const ui::WindowEvent& event) override;

  CPaintManagerUI m_pm;

 private:
  void OnCreated() override;
};
