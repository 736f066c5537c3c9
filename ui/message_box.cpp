// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                const QString& okText) {
  QPointer<QWidget> keeper(owner);
  {
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setAttribute(Qt::WA_InputMethodEnabled, false);
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    if (!okText.isEmpty()) ok->setText(okText);
    // Enter presses the only button, Escape answers with it too.
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.setWindowModality(owner != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
  }
  // Without a window manager nothing hands the keyboard back once the box is gone, and the
  // owner's page would not follow its input until clicked.
  if (!keeper.isNull() && keeper->isVisible()) keeper->activateWindow();
}
