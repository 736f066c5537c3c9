// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {
// Where a picture value points: a bare file name lies in the resource folder, a
// "file='Resources/x.png'" value lies under the program's folder, an absolute path stays.
// Empty for an empty value.
QString ResolvePicturePath(const QString& value, const QString& instancePath,
                           const QString& resourcePath);
}  // namespace ui
