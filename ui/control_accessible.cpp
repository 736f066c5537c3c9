// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QTimer>

#include "ui/control_widget.h"
#include "ui/window_private.h"

namespace {

QAccessible::Role RoleOf(const ui::ControlWidget::Facts& c) {
  if (c.className == "Button") return QAccessible::Button;
  // An option in a group is one choice of several; a lone option switches on and off.
  if (c.className == "Option") return c.grouped ? QAccessible::RadioButton : QAccessible::CheckBox;
  if (c.className == "Combo") return QAccessible::ComboBox;
  if (c.className == "Slider") return QAccessible::Slider;
  if (c.className == "Progress") return QAccessible::ProgressBar;
  if (c.container) return QAccessible::Grouping;
  // Labels and pictures: what is written or drawn there.
  return c.pictureOnly ? QAccessible::Graphic : QAccessible::StaticText;
}

class ControlAccessible : public QAccessibleWidget {
 public:
  explicit ControlAccessible(ui::ControlWidget* widget)
      : QAccessibleWidget(widget, RoleOf(widget->AccessibleFacts())) {}

  QAccessible::Role role() const override { return RoleOf(Widget()->AccessibleFacts()); }

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Widget()->accessibleName();
    return QAccessibleWidget::text(t);
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    const ui::ControlWidget::Facts c = Widget()->AccessibleFacts();
    if (c.className == "Option") {
      s.checkable = true;
      s.checked = c.selected;
    }
    if (c.clickable) s.pressed = c.pushed;
    if (c.hasMenu) s.hasPopup = true;
    return s;
  }

  QStringList actionNames() const override {
    QStringList names;
    const ui::ControlWidget::Facts c = Widget()->AccessibleFacts();
    if (c.clickable) names << (c.className == "Option" ? toggleAction() : pressAction());
    if (c.hasMenu) names << showMenuAction();
    return names;
  }

  // The action runs once the reader's request has been answered: a press may open a modal
  // message, and the reader must not wait for the user to close it.
  void doAction(const QString& action) override {
    QPointer<ui::ControlWidget> widget(Widget());
    if (action == pressAction() || action == toggleAction()) {
      QTimer::singleShot(0, widget, [widget] {
        if (widget) widget->Press();
      });
    } else if (action == showMenuAction()) {
      QTimer::singleShot(0, widget, [widget] {
        if (widget) widget->ShowMenu();
      });
    }
  }

  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  ui::ControlWidget* Widget() const { return static_cast<ui::ControlWidget*>(widget()); }
};

QAccessibleInterface* ControlFactory(const QString&, QObject* object) {
  if (auto* widget = dynamic_cast<ui::ControlWidget*>(object)) return new ControlAccessible(widget);
  // The window that holds the skin is a window to the reader, not an anonymous filler.
  if (auto* host = dynamic_cast<ui::HostWidget*>(object)) {
    return new QAccessibleWidget(host, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ControlFactory);
    return true;
  }();
  (void)installed;
}
