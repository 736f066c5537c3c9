// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pages/page_controls.h"

class CPaintManagerUI;
class CControlUI;

// The pages' view of the window's skin: each control found by name in the manager, then
// changed through the toolkit's null-safe operations.
class SkinPageControls : public PageControls {
 public:
  explicit SkinPageControls(const CPaintManagerUI& manager) : manager_(manager) {}

  void SetAttribute(const char* control, const QString& name, const QString& value) override;
  QString GetBkImage(const char* control) const override;
  void SetVisible(const char* control, bool visible) override;
  void SetEnabled(const char* control, bool enabled) override;
  void SetBorderColor(const char* control, std::uint32_t argb) override;
  void SetText(const char* control, const QString& text) override;
  QString GetText(const char* control) const override;
  int GetValue(const char* control) const override;
  void SetValue(const char* control, int value) override;
  void SelectItem(const char* control, int index) override;
  int ItemCount(const char* control) const override;
  void AddItem(const char* control, const QString& text) override;
  void KeepItems(const char* control, int count) override;

 private:
  CControlUI* Find(const char* control) const;
  const CPaintManagerUI& manager_;
};
