// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/controls.h"

namespace ui {

void SetText(CControlUI* control, const QString& text) {
  if (control != nullptr) control->SetText(text);
}

QString GetText(const CControlUI* control) {
  return control != nullptr ? control->GetText() : QString();
}

void SetAttribute(CControlUI* control, const QString& name, const QString& value) {
  if (control != nullptr) control->SetAttribute(name, value);
}

QString GetAttribute(const CControlUI* control, const QString& name) {
  return control != nullptr ? control->GetAttribute(name) : QString();
}

QString GetBkImage(const CControlUI* control) {
  return control != nullptr ? control->GetBkImage() : QString();
}

void SetVisible(CControlUI* control, bool visible) {
  if (control != nullptr) control->SetVisible(visible);
}

bool IsVisible(const CControlUI* control) {
  return control != nullptr && control->IsVisible();
}

void SetEnabled(CControlUI* control, bool enabled) {
  if (control != nullptr) control->SetEnabled(enabled);
}

void SetBorderColor(CControlUI* control, std::uint32_t argb) {
  if (control != nullptr) control->SetBorderColor(argb);
}

void SetFont(CControlUI* label, int index) {
  if (auto* l = dynamic_cast<CLabelUI*>(label)) l->SetFont(index);
}

void SetSliderValue(CControlUI* slider, int value) {
  if (auto* s = dynamic_cast<CProgressUI*>(slider)) s->SetValue(value);
}

int GetSliderValue(const CControlUI* slider) {
  const auto* s = dynamic_cast<const CProgressUI*>(slider);
  return s != nullptr ? s->GetValue() : 0;
}

bool SelectComboItem(CControlUI* combo, int index) {
  auto* c = dynamic_cast<CComboUI*>(combo);
  return c != nullptr && c->SelectItem(index, false);
}

int GetComboItemCount(const CControlUI* combo) {
  const auto* c = dynamic_cast<const CComboUI*>(combo);
  return c != nullptr ? c->GetItemCount() : 0;
}

void AddComboItem(CControlUI* combo, const QString& text) {
  if (auto* c = dynamic_cast<CComboUI*>(combo)) c->AddItem(text);
}

void RemoveComboItemAt(CControlUI* combo, int index) {
  if (auto* c = dynamic_cast<CComboUI*>(combo)) c->RemoveItemAt(index);
}

void SetFocus(CControlUI* control) {
  if (control != nullptr) control->SetFocus();
}

}  // namespace ui
