// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_impl_base.h"

#include <QWidget>

#include "ui/window_private.h"

WindowImplBase::WindowImplBase() = default;
WindowImplBase::~WindowImplBase() {
  // No event may reach this window's hooks once their object is going.
  impl_->destroying = true;
  impl_->manager = nullptr;
  impl_->tick.reset();
}

void WindowImplBase::OnCreated() {
  QWidget* host = GetHost();
  m_pm.AddNotifier(this);
  impl_->manager = &m_pm;
  m_pm.LoadSkin(SkinFileName(), host);
  if (host->windowTitle().isEmpty()) host->setWindowTitle(m_pm.GetWindowTitle());
  OnWindowReady();
}

void WindowImplBase::Notify(TNotifyUI& msg) {
  // The skin's own window buttons work without any code in the window.
  if (msg.sType != "click" || msg.pSender == nullptr) return;
  const QString name = msg.pSender->GetName();
  if (name == "closebtn") Deliver(ui::CloseRequest{});
  if (name == "minbtn") Minimize();
}

// The one place that decides which hook an event goes to.
bool WindowImplBase::Dispatch(const ui::WindowEvent& event) {
  if (const auto* key = std::get_if<ui::KeyEvent>(&event)) {
    if (key->system) return key->pressed ? OnSysKeyDown(*key) : OnSysKeyUp(*key);
    return key->pressed ? OnKeyDown(*key) : OnKeyUp(*key);
  }
  if (const auto* wheel = std::get_if<ui::WheelEvent>(&event)) return OnWheel(*wheel);
  if (const auto* focus = std::get_if<ui::FocusChange>(&event)) {
    return *focus == ui::FocusChange::kGained ? OnFocusGained() : OnFocusLost();
  }
  if (std::holds_alternative<ui::CloseRequest>(event)) return OnCloseRequest();
  return OnTick();
}

bool WindowImplBase::OnKeyDown(const ui::KeyEvent&) {
  return false;
}
bool WindowImplBase::OnKeyUp(const ui::KeyEvent&) {
  return false;
}
bool WindowImplBase::OnSysKeyDown(const ui::KeyEvent&) {
  return false;
}
bool WindowImplBase::OnSysKeyUp(const ui::KeyEvent&) {
  return false;
}
bool WindowImplBase::OnWheel(const ui::WheelEvent&) {
  return false;
}
bool WindowImplBase::OnFocusGained() {
  return false;
}
bool WindowImplBase::OnFocusLost() {
  return false;
}
bool WindowImplBase::OnCloseRequest() {
  return false;
}
bool WindowImplBase::OnTick() {
  return false;
}
