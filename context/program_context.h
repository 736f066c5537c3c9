// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "device/controller_search.h"
#include "device/debug_trace.h"

class QWidget;

// A message for the user, as a modal box with an OK button would show it.
struct ShownMessage {
  QWidget* owner = nullptr;  // the window the box belongs to; none before a window exists
  QString text;
  QString caption;
  QString button;  // the OK button's text in the message's language
};
using MessageSink = std::function<void(const ShownMessage&)>;
using BoardModelSource = std::function<std::string()>;
using LanguageSource = std::function<std::uint16_t()>;

// What the program asks of the world around it. Each entry program builds one and hands it to
// the window or to padctl; tests and the demo build one with their own sources. An empty
// member stands for the system's own source, so a default-built context is the real world.
struct ProgramContext {
  ControllerOpener openController;  // empty: the search among the system's hidraw nodes
  TraceSink trace;                  // empty: the system log
  BoardModelSource boardModel;      // empty: /sys/class/dmi/id/board_name
  LanguageSource languageId;        // empty: the locale
  MessageSink showMessage;          // empty: a real message box (the window shows it)
  QString resourceFolder;           // empty: the "Resources" folder beside the program

  // Asked afresh at every call: the board model and the language are never cached.
  std::string BoardModel() const;
  std::uint16_t LanguageId() const;
  // Chinese exactly when the language is Chinese as used in the PRC (0x0804).
  bool UseChinese() const;
  QString ResourceFolder() const;
};
