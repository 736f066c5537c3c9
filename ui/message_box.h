#pragma once

#include <QString>
#include <functional>

class QWidget;

// A modal box with an OK button, owned by `owner` (or by none). Enter and Escape close it.
void MessageBox(QWidget* owner, const QString& text, const QString& caption);

// Tests capture boxes here instead of showing them.
struct MessageBoxRecord {
  QWidget* owner = nullptr;
  QString text;
  QString caption;
};
using MessageBoxHook = std::function<void(const MessageBoxRecord&)>;
void SetMessageBoxHook(MessageBoxHook hook);
