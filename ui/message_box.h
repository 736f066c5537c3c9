#pragma once

#include <QString>

class QWidget;

// A modal box with an OK button, owned by `owner` (or by none). Enter and Escape close it.
void MessageBox(QWidget* owner, const QString& text, const QString& caption);
