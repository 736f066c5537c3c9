// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class QWidget;
class CPaintManagerUI;
namespace ui {
class ControlWidget;
}

// A skin control. Every attribute, whether written in the skin or set from code, goes
// through SetAttribute, so both have the same effect. Controls belong to their manager.
class CControlUI {
 public:
  virtual ~CControlUI();

  QString GetName() const;
  // The skin element name: "Control", "Label", "Button", "Option", "Combo", "Slider",
  // "Container", "HorizontalLayout", "VerticalLayout".
  virtual QString GetClass() const;

  virtual void SetText(const QString& text);
  virtual QString GetText() const;

  // Name and value as strings, exactly as in the skin. Unknown names are traced, not fatal.
  virtual void SetAttribute(const QString& name, const QString& value);
  // The last value given for an attribute (skin or code), empty when never set.
  QString GetAttribute(const QString& name) const;

  QString GetBkImage() const;
  void SetBkImage(const QString& picture);

  // Hides or shows the control and everything inside it.
  void SetVisible(bool visible);
  bool IsVisible() const;  // the control's own flag, not its parents'
  void SetEnabled(bool enabled);
  bool IsEnabled() const;
  // 32-bit ARGB; alpha 0 draws no border.
  void SetBorderColor(std::uint32_t argb);
  std::uint32_t GetBorderColor() const;
  // Gives the control the keyboard focus within its window, taking it from whichever control
  // had it. Key events still reach the window.
  void SetFocus();

  CControlUI* GetParent() const;
  CPaintManagerUI* GetManager() const;
  QWidget* GetWidget() const;

 protected:
  CControlUI();
  struct Impl;
  std::unique_ptr<Impl> impl_;
  friend class CPaintManagerUI;
  friend class SkinBuilder;
  friend class ui::ControlWidget;
};

class CContainerUI : public CControlUI {
 public:
  int GetCount() const;
  CControlUI* GetItemAt(int index) const;
};

class CLabelUI : public CControlUI {
 public:
  // Font by the skin's font index.
  void SetFont(int index);
  int GetFont() const;
};

class CButtonUI : public CLabelUI {};

class COptionUI : public CButtonUI {
 public:
  bool IsSelected() const;
  void Selected(bool selected);  // same as SetAttribute("selected", ...)
  QString GetGroup() const;
};

class CProgressUI : public CLabelUI {
 public:
  int GetValue() const;
  void SetValue(int value);
  int GetMinValue() const;
  int GetMaxValue() const;
};

class CSliderUI : public CProgressUI {};

class CComboUI : public CContainerUI {
 public:
  // Selects item `index` without taking the keyboard focus. False when out of range.
  bool SelectItem(int index, bool takeFocus = false);
  int GetCurSel() const;
  int GetItemCount() const;
  QString GetItemText(int index) const;
  // Adds an item after the last one; returns its index.
  int AddItem(const QString& text);
  // Removes the item; the selection moves off it (to nothing). False when out of range.
  bool RemoveItemAt(int index);
  // The selected item's text (empty when nothing is selected).
  QString GetText() const override;
};

// Null-safe operations: a control the skin lacks is "no control", and every operation on it
// does nothing (reads give empty values). Program code goes through these.
namespace ui {
void SetText(CControlUI* control, const QString& text);
QString GetText(const CControlUI* control);
void SetAttribute(CControlUI* control, const QString& name, const QString& value);
QString GetAttribute(const CControlUI* control, const QString& name);
QString GetBkImage(const CControlUI* control);
void SetVisible(CControlUI* control, bool visible);
bool IsVisible(const CControlUI* control);
void SetEnabled(CControlUI* control, bool enabled);
void SetBorderColor(CControlUI* control, std::uint32_t argb);
void SetFont(CControlUI* label, int index);  // no-op unless a label
void SetSliderValue(CControlUI* slider, int value);
int GetSliderValue(const CControlUI* slider);  // 0 for no control
bool SelectComboItem(CControlUI* combo, int index);
int GetComboItemCount(const CControlUI* combo);  // 0 for no control
void AddComboItem(CControlUI* combo, const QString& text);
void RemoveComboItemAt(CControlUI* combo, int index);
void SetFocus(CControlUI* control);
}  // namespace ui
