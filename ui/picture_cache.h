// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

namespace ui {
// Pictures by resolved path, loaded once for the whole process. A missing or unreadable file
// gives a null pixmap and exactly one trace line, however often it is asked for. `sharp` asks
// for the "@2x" twin where one lies beside the file (the window shows more than one device
// pixel per picture pixel); the pixmap then carries a pixel ratio of 2.
QPixmap CachedPicture(const QString& path, bool sharp);
}  // namespace ui
