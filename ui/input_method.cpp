// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input_method.h"

#include <QApplication>
#include <QInputMethod>
#include <QWidget>

void DisableInputMethod() {
  if (qApp == nullptr) return;
  for (QWidget* widget : QApplication::allWidgets()) {
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  }
  // Only a focused editor can hold a composition to drop. Without one there is nothing to reset,
  // and on a Wayland compositor that offers no seat the platform has no text input to reset:
  // asking it anyway crashes inside Qt.
  if (QGuiApplication::focusObject() == nullptr) return;
  if (QInputMethod* method = QGuiApplication::inputMethod()) method->reset();
}
