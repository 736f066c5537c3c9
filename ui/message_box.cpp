#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>

void MessageBox(QWidget* owner, const QString& text, const QString& caption) {
  QMessageBox box(owner);
  box.setWindowTitle(caption);
  box.setText(text);
  box.setTextFormat(Qt::PlainText);
  box.setIcon(QMessageBox::NoIcon);
  box.setAttribute(Qt::WA_InputMethodEnabled, false);
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  // Enter presses the only button, Escape answers with it too.
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
  box.exec();
}
