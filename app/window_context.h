// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

#include "context/program_context.h"

class QWidget;

// A message for the user, as a modal box with an OK button would show it.
struct ShownMessage {
  QWidget* owner = nullptr;  // the window the box belongs to; none before a window exists
  QString text;
  QString caption;
  QString button;  // the OK button's text in the message's language
};
using MessageSink = std::function<void(const ShownMessage&)>;

// What the window asks of the world beyond what padctl asks too: where its messages go and
// where its pictures are. An empty member stands for the real thing.
struct WindowContext : ProgramContext {
  MessageSink showMessage;  // empty: a real message box
  QString resourceFolder;   // empty: the "Resources" folder beside the program

  QString ResourceFolder() const;
};
