// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "cli/commands.h"

// padctl --trace: the debug trace, and every report sent to and fetched from the controller
// as one line of hex with the pause asked for before it, go to `stream`, so a person can show
// where an exchange with their controller stops. Wraps the context's controller search and
// pause; call after both are chosen.
void EnableReportTrace(CliContext& context, std::ostream& stream);
