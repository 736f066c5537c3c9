// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture_sink.h"

// Per-board pictures: the two main-menu buttons (three states each) and the two page
// backgrounds, for layouts 1 to 3 and for the generic handheld of unknown boards.
void AddDevicePictures(PictureSink& sink);
