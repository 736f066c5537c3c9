#include "ui/input_method.h"

#include <QApplication>
#include <QInputMethod>
#include <QWidget>

bool ImmDisableIME(unsigned long) {
  if (qApp == nullptr) return true;
  for (QWidget* widget : QApplication::allWidgets()) {
    widget->setAttribute(Qt::WA_InputMethodEnabled, false);
  }
  if (QInputMethod* method = QGuiApplication::inputMethod()) method->reset();
  return true;
}
