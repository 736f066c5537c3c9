// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

#include "key_table.h"
#include "picture_sink.h"

// Every key-slot picture shares this size; the skin's key buttons are 52x28 as well.
inline constexpr QSize kKeyPictureSize{52, 28};

// Draws one key picture; false when the style is unknown or the label does not suit it.
bool DrawKeyPicture(QPainter& painter, const KeyPictureSpec& spec);

// Writes every row of the table plus the empty-slot picture and the two frames drawn over a
// key ("Key_hot.png" on hover, "Key_push.png" when armed). Problems are appended to `errors`.
void AddKeyPictures(PictureSink& sink, const std::vector<KeyPictureSpec>& rows,
                    QStringList& errors);
