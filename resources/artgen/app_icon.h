// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QStringList>

#include "picture_sink.h"

// The application icon, "padcontrols.png" at 256 px (and its @2x twin).
void AddAppIcon(PictureSink& sink);

// The same icon for the desktop's icon theme: <root>/<N>x<N>/apps/padcontrols.png at the
// sizes desktops look for. The names of the files it could not write go into `failures`.
void WriteThemeIcons(const QDir& root, QStringList& failures);
