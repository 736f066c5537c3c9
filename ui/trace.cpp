// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/trace.h"

#include <QDebug>

namespace ui {
void Trace(const QString& line) {
  qWarning().noquote() << "[ui]" << line;
}
}  // namespace ui
