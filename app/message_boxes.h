// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "context/program_context.h"

// Shows a message through the context's message sink, or as a real modal box with an OK button
// when the context has none.
void ShowMessageBox(const ProgramContext& context, const ShownMessage& message);
