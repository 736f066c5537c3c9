#pragma once

#include <QPixmap>
#include <QString>

namespace ui {
// Pictures by resolved path, loaded once for the whole process. A missing or unreadable file
// gives a null pixmap and exactly one trace line, however often it is asked for.
QPixmap CachedPicture(const QString& path);
}  // namespace ui
