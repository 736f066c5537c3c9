// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolkit_start.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "texts/phrases.h"

namespace {

struct HeldMessage {
  QtMsgType type;
  QString text;
};

// Set for the length of the application object's construction only.
std::string noDisplayLine;
std::vector<HeldMessage> heldMessages;

void HoldOrRefuse(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtFatalMsg) {
    // The only fatal message while the application object is built is the platform's.
    std::fputs(noDisplayLine.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
  }
  heldMessages.push_back({type, text});
}

}  // namespace

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const char* programName,
                                           bool chinese) {
  noDisplayLine = std::string(programName) + ": " + phrases::kNoDisplay.Text(chinese) + "\n";
  const QtMessageHandler previous = qInstallMessageHandler(HoldOrRefuse);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  std::vector<HeldMessage> held = std::move(heldMessages);
  heldMessages.clear();
  for (const HeldMessage& message : held) {
    if (previous != nullptr) previous(message.type, QMessageLogContext(), message.text);
  }
  return application;
}
