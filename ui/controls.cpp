// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <algorithm>

#include "ui/child_layout.h"
#include "ui/control_impl.h"
#include "ui/control_widget.h"
#include "ui/paint_manager.h"
#include "ui/trace.h"
#include "ui/window_fit.h"

namespace {

QString Describe(const CControlUI& c) {
  return QStringLiteral("%1 '%2'").arg(c.GetClass(), c.GetName());
}

void TraceBadValue(const CControlUI& c, const QString& name, const QString& value) {
  ui::Trace(QStringLiteral("%1: cannot read %2=\"%3\"").arg(Describe(c), name, value));
}

template <typename T>
bool Assign(T& field, const std::optional<T>& parsed, const CControlUI& c, const QString& name,
            const QString& value) {
  if (!parsed) {
    TraceBadValue(c, name, value);
    return false;
  }
  field = *parsed;
  return true;
}

// A size attribute: an empty value or a negative one means "not fixed".
bool AssignExtent(int& field, const CControlUI& c, const QString& name, const QString& value) {
  if (value.trimmed().isEmpty()) {
    field = -1;
    return true;
  }
  const auto n = ui::ParseInt(value);
  if (!n) {
    TraceBadValue(c, name, value);
    return false;
  }
  field = *n < 0 ? -1 : *n;
  return true;
}

}  // namespace

void CControlUI::Impl::Relayout() {
  if (widget.isNull() || children.empty()) return;
  ui::LayoutKind kind = ui::LayoutKind::Absolute;
  if (className == "HorizontalLayout") kind = ui::LayoutKind::Horizontal;
  if (className == "VerticalLayout") kind = ui::LayoutKind::Vertical;
  std::vector<ui::ChildGeometry> geometry;
  geometry.reserve(children.size());
  for (const CControlUI* child : children) {
    const Impl& c = *child->impl_;
    geometry.push_back({c.visible, c.floating, c.hasPos, c.pos, c.width, c.height, c.padding});
  }
  // Layouts work in skin pixels; a window drawn smaller places the result at its scale.
  const qreal scale = manager != nullptr ? manager->ContentScale() : 1.0;
  const QSize area = skinSize.isValid() ? skinSize : widget->size();
  const std::vector<QRect> rects = ui::LayoutChildren(kind, area, geometry);
  for (std::size_t i = 0; i < children.size(); ++i) {
    Impl& c = *children[i]->impl_;
    if (c.widget.isNull()) continue;
    const bool skinResized = c.skinSize != rects[i].size();
    c.skinSize = rects[i].size();
    // Scaled from the window's corner, so every edge lies where the whole skin scaled puts it.
    const QPoint origin = skinOrigin + rects[i].topLeft();
    const bool skinMoved = c.skinOrigin != origin;
    c.skinOrigin = origin;
    const QRect placed =
        ui::ScaleSkinRect(QRect(c.skinOrigin, c.skinSize), scale)
            .translated(-ui::ScaleSkinRect(QRect(skinOrigin, QSize()), scale).topLeft());
    const bool resized = c.widget->size() != placed.size();
    c.widget->setGeometry(placed);
    // Hidden widgets get their resize event only when shown, and a skin size that rounds to the
    // same scaled size gets none; at a scale, a move changes how the children's edges round.
    const bool childrenMove = skinResized || (skinMoved && scale != 1.0);
    if ((resized && !c.widget->isVisible()) || (childrenMove && !resized)) c.Relayout();
  }
}

void CControlUI::Impl::KeepGroupExclusive() {
  if (!selected || group.isEmpty() || manager == nullptr) return;
  for (CControlUI* other : manager->FindOptionGroup(group)) {
    if (other != self && other->impl_->selected) other->SetAttribute("selected", "false");
  }
}

void CControlUI::Impl::RelayoutParent() {
  if (parent != nullptr && !parent->impl_->building) parent->impl_->Relayout();
}

CControlUI::CControlUI() : impl_(std::make_unique<Impl>()) {
  impl_->self = this;
}

CControlUI::~CControlUI() {
  // Child widgets belong to this widget; Qt deletes them with it.
  delete impl_->widget.data();
}

QString CControlUI::GetName() const {
  return impl_->name;
}

QString CControlUI::GetClass() const {
  if (!impl_->className.isEmpty()) return impl_->className;
  if (dynamic_cast<const CSliderUI*>(this)) return "Slider";
  if (dynamic_cast<const CProgressUI*>(this)) return "Progress";
  if (dynamic_cast<const COptionUI*>(this)) return "Option";
  if (dynamic_cast<const CButtonUI*>(this)) return "Button";
  if (dynamic_cast<const CLabelUI*>(this)) return "Label";
  if (dynamic_cast<const CComboUI*>(this)) return "Combo";
  if (dynamic_cast<const CContainerUI*>(this)) return "Container";
  return "Control";
}

void CControlUI::SetText(const QString& text) {
  SetAttribute("text", text);
}
QString CControlUI::GetText() const {
  return impl_->text;
}

void CControlUI::SetAttribute(const QString& name, const QString& value) {
  Impl& c = *impl_;
  ui::ControlWidget* widget = c.widget.data();
  bool geometryChanged = false;
  bool repaint = true;
  // False when the value is known to change nothing: code that keeps state up to date on a
  // timer sets the same values again and again, and must not cost a restyle and repaint.
  bool changed = true;
  bool known = true;
  if (name == "name") {
    changed = c.name != value;
    c.name = value;
    if (changed && c.manager != nullptr) c.manager->ControlRenamed();
  } else if (name == "text") {
    c.text = value;
  } else if (name == "pos") {
    if (value.trimmed().isEmpty()) {
      c.hasPos = false;
      geometryChanged = true;
    } else {
      geometryChanged = Assign(c.pos, ui::ParseQuad(value), *this, name, value);
      c.hasPos = c.hasPos || geometryChanged;
    }
  } else if (name == "float") {
    geometryChanged = Assign(c.floating, ui::ParseBool(value), *this, name, value);
  } else if (name == "width") {
    geometryChanged = AssignExtent(c.width, *this, name, value);
  } else if (name == "height") {
    geometryChanged = AssignExtent(c.height, *this, name, value);
  } else if (name == "padding") {
    geometryChanged = Assign(c.padding, ui::ParseQuad(value), *this, name, value);
  } else if (name == "textpadding") {
    Assign(c.textPadding, ui::ParseQuad(value), *this, name, value);
  } else if (name == "bkimage") {
    changed = c.bkImage != value;
    c.bkImage = value;
  } else if (name == "normalimage") {
    changed = c.normalImage != value;
    c.normalImage = value;
  } else if (name == "hotimage") {
    changed = c.hotImage != value;
    c.hotImage = value;
  } else if (name == "pushedimage") {
    changed = c.pushedImage != value;
    c.pushedImage = value;
  } else if (name == "selectedimage") {
    changed = c.selectedImage != value;
    c.selectedImage = value;
  } else if (name == "disabledimage") {
    changed = c.disabledImage != value;
    c.disabledImage = value;
  } else if (name == "bkcolor") {
    Assign(c.bkColor, ui::ParseColor(value), *this, name, value);
  } else if (name == "textcolor") {
    Assign(c.textColor, ui::ParseColor(value), *this, name, value);
  } else if (name == "disabledtextcolor") {
    Assign(c.disabledTextColor, ui::ParseColor(value), *this, name, value);
  } else if (name == "bordercolor") {
    Assign(c.borderColor, ui::ParseColor(value), *this, name, value);
  } else if (name == "bordersize") {
    Assign(c.borderSize, ui::ParseInt(value), *this, name, value);
  } else if (name == "font") {
    Assign(c.font, ui::ParseInt(value), *this, name, value);
  } else if (name == "align") {
    Assign(c.align, ui::ParseAlign(value), *this, name, value);
  } else if (name == "tooltip") {
    if (widget) widget->setToolTip(QString(value).replace("<n>", "\n"));
    repaint = false;
  } else if (name == "visible") {
    if (Assign(c.visible, ui::ParseBool(value), *this, name, value)) {
      if (widget) widget->setVisible(c.visible);
      geometryChanged = true;
    }
  } else if (name == "enabled") {
    const bool wasEnabled = c.enabled;
    Assign(c.enabled, ui::ParseBool(value), *this, name, value);
    changed = c.enabled != wasEnabled;
    if (changed && widget) {
      widget->setEnabled(c.enabled);
      if (widget->Combo() != nullptr) widget->Combo()->setEnabled(c.enabled);
    }
  } else if (name == "selected") {
    if (Assign(c.selected, ui::ParseBool(value), *this, name, value)) c.KeepGroupExclusive();
  } else if (name == "group") {
    c.group = value.trimmed();
    c.KeepGroupExclusive();
  } else if (name == "min") {
    Assign(c.minValue, ui::ParseInt(value), *this, name, value);
  } else if (name == "max") {
    Assign(c.maxValue, ui::ParseInt(value), *this, name, value);
  } else if (name == "value") {
    Assign(c.value, ui::ParseInt(value), *this, name, value);
  } else if (name == "accname") {
    c.accessibleName = value;
    repaint = false;
  } else if (name == "menu") {
    Assign(c.hasMenu, ui::ParseBool(value), *this, name, value);
    repaint = false;
  } else {
    known = false;
    ui::Trace(QStringLiteral("%1: unknown attribute %2=\"%3\"").arg(Describe(*this), name, value));
  }
  c.attributes.insert(name, value);
  if (!known) return;
  if (widget && (name == "text" || name == "accname" || name == "tooltip")) {
    // Assistive technology reads what the user sees, never the skin's internal name.
    widget->SyncAccessibleName();
    if (name == "tooltip") widget->setAccessibleDescription(widget->toolTip());
  }
  if (geometryChanged) c.RelayoutParent();
  if (!changed) return;
  if (widget && (widget->Combo() != nullptr || widget->Slider() != nullptr)) widget->SyncInner();
  if (repaint && widget) widget->update();
}

QString CControlUI::GetAttribute(const QString& name) const {
  return impl_->attributes.value(name);
}

QString CControlUI::GetBkImage() const {
  return impl_->bkImage;
}
void CControlUI::SetBkImage(const QString& picture) {
  SetAttribute("bkimage", picture);
}

void CControlUI::SetVisible(bool visible) {
  SetAttribute("visible", visible ? "true" : "false");
}
bool CControlUI::IsVisible() const {
  return impl_->visible;
}
void CControlUI::SetEnabled(bool enabled) {
  SetAttribute("enabled", enabled ? "true" : "false");
}
bool CControlUI::IsEnabled() const {
  return impl_->enabled;
}
void CControlUI::SetBorderColor(std::uint32_t argb) {
  SetAttribute("bordercolor", ui::FormatColor(argb));
}
std::uint32_t CControlUI::GetBorderColor() const {
  return impl_->borderColor;
}

CControlUI* CControlUI::GetParent() const {
  return impl_->parent;
}
CPaintManagerUI* CControlUI::GetManager() const {
  return impl_->manager;
}
void CControlUI::SetFocus() {
  if (QWidget* widget = impl_->widget.data()) widget->setFocus(Qt::OtherFocusReason);
}

QWidget* CControlUI::GetWidget() const {
  return impl_->widget.data();
}

int CContainerUI::GetCount() const {
  return static_cast<int>(impl_->children.size());
}
CControlUI* CContainerUI::GetItemAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return impl_->children[static_cast<std::size_t>(index)];
}

void CLabelUI::SetFont(int index) {
  SetAttribute("font", QString::number(index));
}
int CLabelUI::GetFont() const {
  return impl_->font;
}

bool COptionUI::IsSelected() const {
  return impl_->selected;
}
void COptionUI::Selected(bool selected) {
  SetAttribute("selected", selected ? "true" : "false");
}
QString COptionUI::GetGroup() const {
  return impl_->group;
}

int CProgressUI::GetValue() const {
  const int low = std::min(impl_->minValue, impl_->maxValue);
  const int high = std::max(impl_->minValue, impl_->maxValue);
  return std::clamp(impl_->value, low, high);
}
void CProgressUI::SetValue(int value) {
  SetAttribute("value", QString::number(value));
}
int CProgressUI::GetMinValue() const {
  return impl_->minValue;
}
int CProgressUI::GetMaxValue() const {
  return impl_->maxValue;
}

bool CComboUI::SelectItem(int index, bool takeFocus) {
  if (index < 0 || index >= impl_->items.size()) return false;
  impl_->curSel = index;
  if (ui::ControlWidget* widget = impl_->widget.data()) {
    widget->SyncInner();
    if (takeFocus) widget->Combo()->setFocus();
  }
  return true;
}
int CComboUI::GetCurSel() const {
  return impl_->curSel;
}
int CComboUI::GetItemCount() const {
  return static_cast<int>(impl_->items.size());
}
QString CComboUI::GetItemText(int index) const {
  if (index < 0 || index >= impl_->items.size()) return {};
  return impl_->items[index];
}
int CComboUI::AddItem(const QString& text) {
  impl_->items.append(text);
  if (ui::ControlWidget* widget = impl_->widget.data()) widget->SyncInner();
  return static_cast<int>(impl_->items.size()) - 1;
}

bool CComboUI::RemoveItemAt(int index) {
  if (index < 0 || index >= impl_->items.size()) return false;
  impl_->items.removeAt(index);
  if (impl_->curSel == index) {
    impl_->curSel = -1;
  } else if (impl_->curSel > index) {
    --impl_->curSel;
  }
  if (ui::ControlWidget* widget = impl_->widget.data()) widget->SyncInner();
  return true;
}

QString CComboUI::GetText() const {
  return GetItemText(impl_->curSel);
}
