// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

// The few things the settings pages do to their controls, addressed by skin name. A name the
// skin lacks is "no control": writes do nothing and reads give empty values, so page logic
// never has to ask whether a control exists.
class PageControls {
 public:
  virtual ~PageControls() = default;

  virtual void SetAttribute(const char* control, const QString& name, const QString& value) = 0;
  virtual QString GetBkImage(const char* control) const = 0;
  virtual void SetVisible(const char* control, bool visible) = 0;
  virtual void SetEnabled(const char* control, bool enabled) = 0;
  virtual void SetBorderColor(const char* control, std::uint32_t argb) = 0;
  virtual void SetText(const char* control, const QString& text) = 0;
  // A combo's text is the text of its selected item.
  virtual QString GetText(const char* control) const = 0;
  // Slider values.
  virtual int GetValue(const char* control) const = 0;
  virtual void SetValue(const char* control, int value) = 0;
  // Selects a combo item without taking the keyboard focus.
  virtual void SelectItem(const char* control, int index) = 0;
  virtual int ItemCount(const char* control) const = 0;
  // Adds a combo item after the last one.
  virtual void AddItem(const char* control, const QString& text) = 0;
  // Removes combo items from the end until `count` are left.
  virtual void KeepItems(const char* control, int count) = 0;
};
