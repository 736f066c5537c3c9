// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/skin_page_controls.h"

#include <algorithm>

#include "ui/controls.h"
#include "ui/paint_manager.h"

CControlUI* SkinPageControls::Find(const char* control) const {
  return control != nullptr ? manager_.FindControl(QString::fromLatin1(control)) : nullptr;
}

void SkinPageControls::SetAttribute(const char* control, const QString& name,
                                    const QString& value) {
  ui::SetAttribute(Find(control), name, value);
}

QString SkinPageControls::GetBkImage(const char* control) const {
  return ui::GetBkImage(Find(control));
}

void SkinPageControls::SetVisible(const char* control, bool visible) {
  ui::SetVisible(Find(control), visible);
}

void SkinPageControls::SetEnabled(const char* control, bool enabled) {
  ui::SetEnabled(Find(control), enabled);
}

void SkinPageControls::SetBorderColor(const char* control, std::uint32_t argb) {
  ui::SetBorderColor(Find(control), argb);
}

void SkinPageControls::SetText(const char* control, const QString& text) {
  ui::SetText(Find(control), text);
}

QString SkinPageControls::GetText(const char* control) const {
  return ui::GetText(Find(control));
}

int SkinPageControls::GetValue(const char* control) const {
  return ui::GetSliderValue(Find(control));
}

void SkinPageControls::SetValue(const char* control, int value) {
  ui::SetSliderValue(Find(control), value);
}

void SkinPageControls::SelectItem(const char* control, int index) {
  ui::SelectComboItem(Find(control), index);
}

int SkinPageControls::ItemCount(const char* control) const {
  return ui::GetComboItemCount(Find(control));
}

void SkinPageControls::AddItem(const char* control, const QString& text) {
  ui::AddComboItem(Find(control), text);
}

void SkinPageControls::KeepItems(const char* control, int count) {
  CControlUI* combo = Find(control);
  for (int last = ui::GetComboItemCount(combo) - 1; last >= std::max(count, 0); --last) {
    ui::RemoveComboItemAt(combo, last);
  }
}
