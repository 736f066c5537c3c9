// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A modal box with an OK button, owned by `owner` (or by none). Enter and Escape close it.
// `okText` names the button in the message's language; empty keeps the toolkit's "OK". When it
// closes, the owner has the keyboard again, as it had before the box took it.
void MessageBox(QWidget* owner, const QString& text, const QString& caption,
                const QString& okText = QString());
