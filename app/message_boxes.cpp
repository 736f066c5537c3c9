// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_boxes.h"

#include "ui/message_box.h"

void ShowMessageBox(const WindowContext& context, const ShownMessage& message) {
  if (context.showMessage) {
    context.showMessage(message);
    return;
  }
  MessageBox(message.owner, message.text, message.caption, message.button);
}
