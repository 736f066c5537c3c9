// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <memory>

// Builds the toolkit's application object. When no display can be opened (neither DISPLAY
// nor WAYLAND_DISPLAY set, or the display refuses the connection) Qt would abort the process
// with a page of advice about reinstalling; instead this says so in one line on standard
// error, "PROGRAM: ...", in the system's language, and ends the process with exit status 1.
// What the toolkit says while it starts is held back until it has started, so that line is
// the only one.
std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const char* programName,
                                           bool chinese);
