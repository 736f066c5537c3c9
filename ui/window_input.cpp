#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

#include "ui/key_translation.h"
#include "ui/window_private.h"

namespace ui {
namespace {

// Held keys are known by scan code, with 0x100 for the extended ones.
constexpr unsigned kLeftCtrl = 0x1D, kRightCtrl = 0x11D, kLeftAlt = 0x38, kRightAlt = 0x138;
constexpr WPARAM kMkLButton = 0x1, kMkRButton = 0x2, kMkShift = 0x4, kMkControl = 0x8,
                 kMkMButton = 0x10;

LPARAM PackPoint(QPoint p) {
  const auto x = static_cast<std::uint16_t>(static_cast<std::int16_t>(p.x()));
  const auto y = static_cast<std::uint16_t>(static_cast<std::int16_t>(p.y()));
  return static_cast<LPARAM>((static_cast<std::uint32_t>(y) << 16) | x);
}

WPARAM MouseKeyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  WPARAM state = 0;
  if (buttons & Qt::LeftButton) state |= kMkLButton;
  if (buttons & Qt::RightButton) state |= kMkRButton;
  if (buttons & Qt::MiddleButton) state |= kMkMButton;
  if (modifiers & Qt::ShiftModifier) state |= kMkShift;
  if (modifiers & Qt::ControlModifier) state |= kMkControl;
  return state;
}

}  // namespace

WindowMessageFilter::WindowMessageFilter(CWindowWnd::Impl* window, QObject* parent)
    : QObject(parent), window_(window) {}

bool WindowMessageFilter::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      return OnKey(event);
    case QEvent::Wheel:
      return OnWheel(event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      return OnMouse(event);
    default:
      return false;
  }
}

bool WindowMessageFilter::OnKey(QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  const bool up = event->type() == QEvent::KeyRelease;
  // Auto-repeat arrives as release/press pairs; the desktop convention repeats key-downs only.
  if (up && key->isAutoRepeat()) return false;
  const quint32 native = key->nativeScanCode();
  const unsigned evdev = native >= 8 ? native - 8 : 0;
  KeyTranslation translated = TranslateEvdevKey(evdev);
  if (translated.vk == 0) {
    translated = TranslateQtKey(key->key(), key->modifiers().testFlag(Qt::KeypadModifier));
  }
  if (translated.vk == 0) return false;

  std::set<unsigned>& held = window_->heldKeys;
  const unsigned id = translated.scanCode | (translated.extended ? 0x100u : 0u);
  const bool wasDown = key->isAutoRepeat() || held.count(id) != 0;
  if (!up) held.insert(id);
  const bool altDown = held.count(kLeftAlt) != 0 || held.count(kRightAlt) != 0;
  const bool ctrlDown = held.count(kLeftCtrl) != 0 || held.count(kRightCtrl) != 0;
  if (up) held.erase(id);

  // F10 and keys pressed while Alt is held (without Ctrl) are system keys.
  const bool system = (translated.vk == vk::kF10 || altDown) && !ctrlDown;
  const UINT message = system ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
  const LPARAM lParam = BuildKeyLParam({translated, up, wasDown, altDown && system});
  return !window_->Route(message, translated.vk, lParam);
}

bool WindowMessageFilter::OnWheel(QEvent* event) {
  auto* wheel = static_cast<QWheelEvent*>(event);
  const int delta = std::clamp(wheel->angleDelta().y(), -32768, 32767);
  if (delta == 0) return false;
  // The signed delta sits in the high word; read as a signed 32-bit number its sign survives.
  const std::uint32_t high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(delta)) << 16;
  const WPARAM wParam = high | MouseKeyState(wheel->buttons(), wheel->modifiers());
  const LPARAM lParam = PackPoint(wheel->globalPosition().toPoint());
  return !window_->Route(WM_MOUSEWHEEL, wParam, lParam);
}

bool WindowMessageFilter::OnMouse(QEvent* event) {
  auto* mouse = static_cast<QMouseEvent*>(event);
  UINT message = WM_MOUSEMOVE;
  if (event->type() != QEvent::MouseMove) {
    if (mouse->button() != Qt::LeftButton) return false;
    if (event->type() == QEvent::MouseButtonPress) message = WM_LBUTTONDOWN;
    if (event->type() == QEvent::MouseButtonRelease) message = WM_LBUTTONUP;
    if (event->type() == QEvent::MouseButtonDblClick) message = WM_LBUTTONDBLCLK;
  }
  const WPARAM wParam = MouseKeyState(mouse->buttons(), mouse->modifiers());
  return !window_->Route(message, wParam, PackPoint(mouse->position().toPoint()));
}

}  // namespace ui
