#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
MessageBoxHook g_hook;
}

void SetMessageBoxHook(MessageBoxHook hook) {
  g_hook = std::move(hook);
}

void MessageBox(QWidget* owner, const QString& text, const QString& caption) {
  if (g_hook) {
    g_hook(MessageBoxRecord{owner, text, caption});
    return;
  }
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
