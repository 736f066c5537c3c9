// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The demo's main window size; the bare window copies it so both put the same pixels on screen,
// and the start-up benchmark uses it to tell the demo's main window from any other it maps.
constexpr int kStartupWindowWidth = 960;
constexpr int kStartupWindowHeight = 650;
