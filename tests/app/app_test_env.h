// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/window_context.h"
#include "emulator/controller_emulator.h"
#include "emulator/emulated_plug.h"
#include "sysinfo/system_language.h"

// The world a main-window test runs in, as the context its windows are made with: an emulated
// controller behind the opener (or none), a board model, a system language and captured
// message boxes. The trace and the resource folder are the program's own.
class AppTestEnv {
 public:
  AppTestEnv();
  ~AppTestEnv();

  void SetModel(const std::string& boardName);  // writes board_name as the firmware would
  void RemoveModel();                           // the query then fails
  void SetLanguage(std::uint16_t langId);
  void Unplug();

  // Creates the window as the program does, with instant pauses between reports;
  // OnWindowReady runs inside.
  template <typename Window = MainWindow>
  std::unique_ptr<Window> MakeWindow() {
    auto window = std::make_unique<Window>(context);
    CreateWindow(*window);
    return window;
  }

  std::shared_ptr<ControllerEmulator> emulator;
  // The emulated controller's connection: Replug() is a suspend and resume.
  std::shared_ptr<EmulatedPlug> plug;
  std::vector<ShownMessage> boxes;
  // Asks this object for the model, the language and the plug at every use, so changes
  // reach windows already made.
  WindowContext context;

 private:
  void CreateWindow(MainWindow& window);
  QTemporaryDir boardFolder_;
  bool unplugged_ = false;
  std::uint16_t langId_ = kLangEnglishUs;
};

// Runs the message loop until it ends or `timeoutMs` passes (then it is ended with 99).
// Returns the loop's exit code.
int RunLoopFor(int timeoutMs);

// Key events as the toolkit hands them to the window (window.Deliver(...)).
ui::KeyEvent KeyUp(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended = false);
ui::KeyEvent SysKeyDown(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended = false);

// A click notification from `sender`, as the toolkit sends it.
void Click(MainWindow& window, CControlUI* sender);
// A notification of `type` from the control of that name, which the skin must have.
void Notify(MainWindow& window, const char* type, const char* name);
void Click(MainWindow& window, const char* name);

// The window's control of that name (null when the skin lacks it).
CControlUI* Control(MainWindow& window, const char* name);
QString Attr(MainWindow& window, const char* name, const char* attribute);
