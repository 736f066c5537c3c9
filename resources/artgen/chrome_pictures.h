// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picture_sink.h"

// Pictures of the window itself: caption buttons and logo, help buttons, the three page actions
// in both languages, rumble and LED options, group panels, colour swatch frame and step links.
void AddChromePictures(PictureSink& sink);
