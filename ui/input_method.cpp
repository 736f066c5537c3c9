#include "ui/input_method.h"

#include <QApplication>
#include <QInputMethod>
#include <QWidget>

void DisableInputMethod() {
  if (qApp == nullptr) return;
  for (QWidget* widget : QApplication::allWidgets()) {
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  }
  if (QInputMethod* method = QGuiApplication::inputMethod()) method->reset();
}
