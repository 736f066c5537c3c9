// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "ui/controls.h"
#include "ui/skin_document.h"

class QWidget;

// Turns skin elements into controls: one control per element, every attribute applied with
// SetAttribute in document order, children built inside their container.
class SkinBuilder {
 public:
  // The control of `element` and everything inside it, or nullptr (with a trace line) for an
  // element that is not a control. New controls are appended to `owned`, parents first.
  static CControlUI* Build(CPaintManagerUI* manager, const ui::SkinElement& element,
                           CControlUI* parent, QWidget* parentWidget,
                           std::vector<std::unique_ptr<CControlUI>>& owned);

 private:
  static CControlUI* Create(const QString& tag);
  static void AddComboItems(CControlUI* combo, const ui::SkinElement& element);
};
