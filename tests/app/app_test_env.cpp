// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/app/app_test_env.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>

#include "sysinfo/board_model.h"
#include "ui/paint_manager.h"

AppTestEnv::AppTestEnv()
    : emulator(std::make_shared<ControllerEmulator>()), plug(EmulatedPlug::Create(emulator)) {
  emulator->SetVersion({0x01, 0x07, 0x02, 0x15});
  context.openController = [this] { return unplugged_ ? ControllerSearch() : plug->Open(); };
  const std::string boardFolder = boardFolder_.path().toStdString();
  context.boardModel = [boardFolder] { return BoardModel(boardFolder); };
  context.languageId = [this] { return langId_; };
  context.showMessage = [this](const ShownMessage& message) { boxes.push_back(message); };
  SetModel("T2803-31");
}

AppTestEnv::~AppTestEnv() = default;

void AppTestEnv::SetModel(const std::string& boardName) {
  QFile file(boardFolder_.filePath(QStringLiteral("board_name")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  const std::string line = boardName + "\n";
  file.write(line.data(), static_cast<qint64>(line.size()));
}

void AppTestEnv::RemoveModel() {
  QFile::remove(boardFolder_.filePath(QStringLiteral("board_name")));
}

void AppTestEnv::SetLanguage(std::uint16_t langId) {
  langId_ = langId;
}

void AppTestEnv::Unplug() {
  unplugged_ = true;
}

void AppTestEnv::CreateWindow(MainWindow& window) {
  window.Device().pause = [](int) {};
  window.Create(nullptr, QStringLiteral("PadMainWindow"));
}

int RunLoopFor(int timeoutMs) {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { PostQuitMessage(99); });
  guard.start(timeoutMs);
  return CPaintManagerUI::MessageLoop();
}

ui::KeyEvent KeyUp(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended) {
  ui::KeyEvent key;
  key.virtualKey = virtualKey;
  key.scanCode = scanCode;
  key.extended = extended;
  key.pressed = false;
  return key;
}

ui::KeyEvent SysKeyDown(std::uint32_t virtualKey, std::uint32_t scanCode, bool extended) {
  ui::KeyEvent key;
  key.virtualKey = virtualKey;
  key.scanCode = scanCode;
  key.extended = extended;
  key.pressed = true;
  key.system = true;
  return key;
}

void Click(MainWindow& window, CControlUI* sender) {
  TNotifyUI msg;
  msg.sType = QStringLiteral("click");
  msg.pSender = sender;
  window.Notify(msg);
}

void Notify(MainWindow& window, const char* type, const char* name) {
  TNotifyUI msg;
  msg.sType = QString::fromLatin1(type);
  msg.pSender = Control(window, name);
  ASSERT_NE(msg.pSender, nullptr) << name;
  window.Notify(msg);
}

void Click(MainWindow& window, const char* name) {
  Notify(window, "click", name);
}

CControlUI* Control(MainWindow& window, const char* name) {
  return window.GetManager().FindControl(QString::fromLatin1(name));
}

QString Attr(MainWindow& window, const char* name, const char* attribute) {
  return ui::GetAttribute(Control(window, name), QString::fromLatin1(attribute));
}
