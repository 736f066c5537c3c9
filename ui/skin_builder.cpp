// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/skin_builder.h"

#include "ui/control_impl.h"
#include "ui/control_widget.h"
#include "ui/trace.h"

CControlUI* SkinBuilder::Create(const QString& tag) {
  if (tag == "Control") return new CControlUI();
  if (tag == "Label") return new CLabelUI();
  if (tag == "Button") return new CButtonUI();
  if (tag == "Option") return new COptionUI();
  if (tag == "Combo") return new CComboUI();
  if (tag == "Slider") return new CSliderUI();
  if (tag == "Progress") return new CProgressUI();
  if (tag == "Container" || tag == "HorizontalLayout" || tag == "VerticalLayout") {
    return new CContainerUI();
  }
  return nullptr;
}

CControlUI* SkinBuilder::Build(CPaintManagerUI* manager, const ui::SkinElement& element,
                               CControlUI* parent, QWidget* parentWidget,
                               std::vector<std::unique_ptr<CControlUI>>& owned) {
  CControlUI* control = Create(element.tag);
  if (control == nullptr) {
    ui::Trace(QStringLiteral("skin line %1: unknown element <%2> skipped with its content")
                  .arg(element.line)
                  .arg(element.tag));
    return nullptr;
  }
  owned.emplace_back(control);
  CControlUI::Impl& c = *control->impl_;
  c.className = element.tag;
  c.manager = manager;
  c.parent = parent;
  c.widget = new ui::ControlWidget(&c, parentWidget);
  if (parent != nullptr) parent->impl_->children.push_back(control);
  c.building = true;
  for (const auto& [name, value] : element.attributes) control->SetAttribute(name, value);

  if (element.tag == "Combo") {
    AddComboItems(control, element);
  } else if (c.IsContainer()) {
    for (const ui::SkinElement& child : element.children) {
      Build(manager, child, control, c.widget.data(), owned);
    }
  } else if (!element.children.empty()) {
    ui::Trace(QStringLiteral("skin line %1: <%2> cannot hold other controls; its content is "
                             "skipped")
                  .arg(element.line)
                  .arg(element.tag));
  }
  c.building = false;
  c.Relayout();
  return control;
}

void SkinBuilder::AddComboItems(CControlUI* combo, const ui::SkinElement& element) {
  CControlUI::Impl& c = *combo->impl_;
  for (const ui::SkinElement& item : element.children) {
    if (item.tag != "ListLabelElement") {
      ui::Trace(QStringLiteral("skin line %1: a Combo holds ListLabelElement items, not <%2>")
                    .arg(item.line)
                    .arg(item.tag));
      continue;
    }
    c.items.append(item.Attribute("text"));
    if (item.Attribute("selected").trimmed() == "true")
      c.curSel = static_cast<int>(c.items.size() - 1);
  }
  if (c.widget) c.widget->SyncInner();
}
