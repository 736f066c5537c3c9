// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/window_context.h"

// Shows a message through the context's message sink, or as a real modal box with an OK button
// when the context has none.
void ShowMessageBox(const WindowContext& context, const ShownMessage& message);
