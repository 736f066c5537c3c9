// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "keynumbers/key_constants.h"
#include "ui/key_translation.h"
#include "ui/window_private.h"

namespace ui {
namespace {

// Held keys are known by scan code, plus the extended bit for the extended ones.
constexpr std::uint32_t kLeftCtrl = scancode::kLeftCtrl,
                        kRightCtrl = scancode::kLeftCtrl | scancode::kExtendedBit,
                        kLeftAlt = scancode::kLeftAlt,
                        kRightAlt = scancode::kLeftAlt | scancode::kExtendedBit,
                        kLeftShift = scancode::kLeftShift, kRightShift = scancode::kRightShift;

}  // namespace

WindowInputFilter::WindowInputFilter(CWindowWnd::Impl* window, QObject* parent)
    : QObject(parent), window_(window) {}

bool WindowInputFilter::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return OnKey(event);
    case QEvent::Wheel:
      return OnWheel(event);
    case QEvent::MouseButtonPress:
      return OnMousePress(event);
    default:
      return false;
  }
}

bool WindowInputFilter::OnKey(QEvent* event) {
  auto* qtKey = static_cast<QKeyEvent*>(event);
  const bool up = event->type() == QEvent::KeyRelease;
  // Auto-repeat arrives as release/press pairs; only the repeated presses are passed on.
  if (up && qtKey->isAutoRepeat()) return false;
  const quint32 native = qtKey->nativeScanCode();
  const unsigned evdev = native >= 8 ? native - 8 : 0;
  KeyTranslation translated = TranslateEvdevKey(evdev);
  if (translated.vk == 0) {
    translated = TranslateQtKey(qtKey->key(), qtKey->modifiers().testFlag(Qt::KeypadModifier));
  }
  if (translated.vk == 0) return false;

  std::set<std::uint32_t>& held = window_->heldKeys;
  const std::uint32_t id =
      translated.scanCode | (translated.extended ? scancode::kExtendedBit : 0u);
  const bool wasDown = qtKey->isAutoRepeat() || held.count(id) != 0;
  if (!up) held.insert(id);
  const bool altDown = held.count(kLeftAlt) != 0 || held.count(kRightAlt) != 0;
  const bool ctrlDown = held.count(kLeftCtrl) != 0 || held.count(kRightCtrl) != 0;
  const bool shiftDown = held.count(kLeftShift) != 0 || held.count(kRightShift) != 0;
  if (up) held.erase(id);

  KeyEvent key;
  key.virtualKey = translated.vk;
  key.scanCode = translated.scanCode;
  key.extended = translated.extended;
  key.pressed = !up;
  key.repeat = !up && wasDown;
  // F10 and keys pressed while Alt is held (without Ctrl) are system keys.
  key.system = (translated.vk == vk::kF10 || altDown) && !ctrlDown;
  key.shift = shiftDown || qtKey->modifiers().testFlag(Qt::ShiftModifier);
  key.pressSeen = !up || wasDown;
  return window_->Deliver(key);
}

bool WindowInputFilter::OnWheel(QEvent* event) {
  auto* wheel = static_cast<QWheelEvent*>(event);
  const int delta = std::clamp(wheel->angleDelta().y(), -32768, 32767);
  if (delta == 0) return false;
  return window_->Deliver(WheelEvent{delta});
}

bool WindowInputFilter::OnMousePress(QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (window_->destroying || window_->manager == nullptr) return false;
  // The pointer is in use: the focus ring is for keyboard and gamepad users.
  window_->manager->SetFocusVisible(false);
  if (mouse->button() != Qt::LeftButton) return false;
  return window_->manager->HandleCaptionPress(mouse->position().toPoint());
}

}  // namespace ui
