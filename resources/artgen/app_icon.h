#pragma once

#include "picture_sink.h"

// The application icon, "padcontrols.png" at 256 px (and its @2x twin).
void AddAppIcon(PictureSink& sink);
