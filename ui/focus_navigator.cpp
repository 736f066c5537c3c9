// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_navigator.h"

#include <QAccessible>
#include <QComboBox>
#include <QPainter>
#include <QSlider>
#include <algorithm>
#include <cmath>
#include <optional>

#include "keynumbers/key_constants.h"
#include "ui/control_widget.h"
#include "ui/focus_order.h"
#include "ui/window_events.h"

namespace ui {
namespace {

// Seen on the dark pages and on the bright main menu alike: a light ring inside a dark one.
const QColor kRingColour(0xFF, 0xC8, 0x3D);
const QColor kRingEdge(0x10, 0x14, 0x1C);

bool TakesFocus(const CControlUI& control) {
  const QString kind = control.GetClass();
  return kind == "Button" || kind == "Option" || kind == "Combo" || kind == "Slider";
}

std::optional<FocusDirection> DirectionOf(Navigation request) {
  switch (request) {
    case Navigation::kLeft:
      return FocusDirection::kLeft;
    case Navigation::kRight:
      return FocusDirection::kRight;
    case Navigation::kUp:
      return FocusDirection::kUp;
    case Navigation::kDown:
      return FocusDirection::kDown;
    default:
      return std::nullopt;
  }
}

}  // namespace

FocusRing::FocusRing(QWidget* host) : QWidget(host) {
  setObjectName(QStringLiteral("focusring"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
}

void FocusRing::Follow(QWidget* target, qreal contentScale) {
  if (target == nullptr || !target->isVisible()) {
    hide();
    return;
  }
  // Three skin pixels wide, drawn just outside the control, at the window's scale.
  thickness_ = std::max(2.0, 3.0 * contentScale);
  const int margin = static_cast<int>(std::ceil(thickness_));
  const QRect inHost(target->mapTo(parentWidget(), QPoint(0, 0)), target->size());
  // A control at the window's edge gets its ring inside the window.
  setGeometry(inHost.adjusted(-margin, -margin, margin, margin) & parentWidget()->rect());
  raise();
  show();
  update();
}

void FocusRing::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal edge = std::max(1.0, thickness_ / 3.0);
  QPen outer(kRingEdge, thickness_);
  painter.setPen(outer);
  const qreal half = thickness_ / 2.0;
  const QRectF area = QRectF(rect()).adjusted(half, half, -half, -half);
  painter.drawRoundedRect(area, thickness_, thickness_);
  QPen inner(kRingColour, thickness_ - edge);
  painter.setPen(inner);
  painter.drawRoundedRect(area, thickness_, thickness_);
}

std::vector<CControlUI*> FocusNavigator::Candidates(std::vector<QRect>* rects) const {
  std::vector<CControlUI*> found;
  QWidget* host = manager_.GetHost();
  if (host == nullptr) return found;
  for (CControlUI* control : manager_.AllControls()) {
    QWidget* widget = control->GetWidget();
    if (widget == nullptr || !TakesFocus(*control) || !widget->isVisibleTo(host) ||
        !widget->isEnabled() || widget->width() <= 0 || widget->height() <= 0) {
      continue;
    }
    found.push_back(control);
    rects->push_back(QRect(widget->mapTo(host, QPoint(0, 0)), widget->size()));
  }
  return found;
}

CControlUI* FocusNavigator::Focused() const {
  QWidget* host = manager_.GetHost();
  if (host == nullptr) return nullptr;
  QWidget* focus = host->focusWidget();
  if (focus == nullptr || !focus->hasFocus()) return nullptr;
  for (CControlUI* control : manager_.AllControls()) {
    if (control->GetWidget() == focus) return control;
  }
  return nullptr;
}

void FocusNavigator::Focus(CControlUI* control) {
  QWidget* widget = control->GetWidget();
  visible_ = true;
  widget->setFocus(Qt::TabFocusReason);
  // Screen readers follow the focus from this event.
  QAccessibleEvent event(widget, QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
  Moved();
}

bool FocusNavigator::Navigate(Navigation request) {
  std::vector<QRect> rects;
  const std::vector<CControlUI*> controls = Candidates(&rects);
  // Until the ring shows, the focus Qt parked somewhere is not where the user thinks it is:
  // the first key shows the ring on the page's first control.
  CControlUI* focused = visible_ || request == Navigation::kActivate ? Focused() : nullptr;
  const auto at = std::find(controls.begin(), controls.end(), focused);
  const int current = at == controls.end() ? -1 : static_cast<int>(at - controls.begin());
  if (request == Navigation::kActivate) {
    if (current < 0) return false;
    visible_ = true;
    Moved();
    return Activate(focused);
  }
  if (controls.empty()) return false;
  if (current < 0) return FocusFirst();
  if (const auto direction = DirectionOf(request)) {
    if (focused->GetClass() == "Slider" &&
        (*direction == FocusDirection::kLeft || *direction == FocusDirection::kRight)) {
      visible_ = true;
      Moved();
      return StepSlider(focused, *direction == FocusDirection::kRight ? 1 : -1);
    }
    const int next = NearestInDirection(rects, current, *direction);
    if (next < 0) return false;
    Focus(controls[static_cast<std::size_t>(next)]);
    return true;
  }
  const std::vector<int> order = ReadingOrder(rects);
  const auto position = std::find(order.begin(), order.end(), current) - order.begin();
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t step = request == Navigation::kNext ? 1 : count - 1;
  Focus(controls[static_cast<std::size_t>(
      order[static_cast<std::size_t>((position + step) % count)])]);
  return true;
}

bool FocusNavigator::FocusFirst() {
  std::vector<QRect> rects;
  const std::vector<CControlUI*> controls = Candidates(&rects);
  if (controls.empty()) return false;
  const qreal scale = manager_.ContentScale();
  const int captionBottom =
      static_cast<int>(std::lround((manager_.GetCaptionRect().bottom() + 1) * scale));
  const std::vector<int> order = ReadingOrder(rects);
  for (int index : order) {
    if (rects[static_cast<std::size_t>(index)].top() >= captionBottom) {
      Focus(controls[static_cast<std::size_t>(index)]);
      return true;
    }
  }
  Focus(controls[static_cast<std::size_t>(order.front())]);
  return true;
}

bool FocusNavigator::Activate(CControlUI* control) {
  auto* widget = static_cast<ControlWidget*>(control->GetWidget());
  if (widget->Combo() != nullptr) {
    widget->Combo()->showPopup();
    return true;
  }
  if (widget->Slider() != nullptr) return false;
  if (widget->AccessibleFacts().hasMenu) {
    widget->ShowMenu();
  } else {
    widget->Press();
  }
  return true;
}

bool FocusNavigator::StepSlider(CControlUI* control, int delta) {
  QSlider* slider = static_cast<ControlWidget*>(control->GetWidget())->Slider();
  const int before = slider->value();
  // The user's own change, reported like a drag that ends there.
  slider->setValue(before + delta * slider->singleStep());
  return slider->value() != before;
}

void FocusNavigator::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  Moved();
}

void FocusNavigator::Moved() {
  QWidget* host = manager_.GetHost();
  if (host == nullptr) return;
  CControlUI* focused = visible_ ? Focused() : nullptr;
  if (focused == nullptr && ring_.isNull()) return;
  if (ring_.isNull()) ring_ = new FocusRing(host);
  ring_->Follow(focused != nullptr ? focused->GetWidget() : nullptr, manager_.ContentScale());
}

bool FocusNavigator::HandleKey(const KeyEvent& key) {
  QWidget* host = manager_.GetHost();
  if (host == nullptr) return false;
  // A layer with keys of its own (the window's pickers and lists) has them to itself.
  QWidget* focus = host->focusWidget();
  if (focus != nullptr && focus != host && Focused() == nullptr) return false;
  switch (key.virtualKey) {
    case vk::kTab:
      // Qt's own Tab order never runs: it follows the skin's nesting, not the reading order.
      if (key.pressed) Navigate(key.shift ? Navigation::kPrevious : Navigation::kNext);
      return true;
    case vk::kLeft:
    case vk::kRight:
    case vk::kUp:
    case vk::kDown: {
      if (!key.pressed) return false;
      const Navigation request = key.virtualKey == vk::kLeft    ? Navigation::kLeft
                                 : key.virtualKey == vk::kRight ? Navigation::kRight
                                 : key.virtualKey == vk::kUp    ? Navigation::kUp
                                                                : Navigation::kDown;
      return Navigate(request);
    }
    case vk::kReturn:
    case vk::kSpace:
      // Activated on release, so that the same key cannot also reach what the activation
      // opens or arms.
      if (key.pressed || !key.pressSeen || Focused() == nullptr) return false;
      return Navigate(Navigation::kActivate);
    default:
      return false;
  }
}

}  // namespace ui
