// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {
// One diagnostic line of the toolkit (faulty skins, missing pictures). Goes to Qt's warning
// channel, so tests can count lines with a message handler.
void Trace(const QString& line);
}  // namespace ui
