// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

class QPaintDevice;

namespace ui {

// The font `text` is drawn with inside `room` (skin pixels): `font` itself when the text fits,
// otherwise the same face one pixel smaller at a time until it does, so a caption longer than
// its control is drawn whole and smaller instead of cut. It never goes below a size that can
// still be read; a text that does not fit even then is drawn at that size. Measured on
// `device`, where the text will be drawn.
QFont FitTextFont(QFont font, const QString& text, QSizeF room, const QPaintDevice* device);

}  // namespace ui
