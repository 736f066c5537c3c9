// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The picture file a picture attribute refers to: "x.png" or "file='Resources/x.png'" give
// "x.png"; an empty value gives an empty string.
QString PictureFile(const QString& value);
