#include "tests/app/app_test_env.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimer>

#include "device/controller_device.h"
#include "sysinfo/board_model.h"
#include "sysinfo/system_language.h"
#include "ui/paint_manager.h"

AppTestEnv::AppTestEnv()
    : emulator(std::make_shared<ControllerEmulator>()), plug(EmulatedPlug::Create(emulator)) {
  emulator->SetVersion({0x01, 0x07, 0x02, 0x15});
  SetControllerOpener([this] { return unplugged_ ? ControllerSearch() : plug->Open(); });
  ControllerDevice& device = TheControllerDevice();
  device.handle.reset();
  device.pause = [](int) {};
  SetBoardModelRoot(boardFolder_.path().toStdString());
  SetModel("T2803-31");
  SetLanguage(kLangEnglishUs);
  SetMessageBoxHook([this](const MessageBoxRecord& record) {
    boxes.push_back(record);
    return IDOK;
  });
  CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + "Resources");
}

AppTestEnv::~AppTestEnv() {
  SetMessageBoxHook(nullptr);
  SetControllerOpener(nullptr);
  TheControllerDevice().handle.reset();
  SetBoardModelRoot("");
  OverrideSystemLangId(0);
}

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
  OverrideSystemLangId(langId);
}

void AppTestEnv::Unplug() {
  unplugged_ = true;
}

void AppTestEnv::CreateWindow(MainWindow& window) {
  window.Create(nullptr, QStringLiteral("PadMainWindow"), 0x96C80000, 0x100);
}

int RunLoopFor(int timeoutMs) {
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { PostQuitMessage(99); });
  guard.start(timeoutMs);
  return CPaintManagerUI::MessageLoop();
}

void Click(MainWindow& window, CControlUI* sender) {
  TNotifyUI msg;
  msg.sType = QStringLiteral("click");
  msg.pSender = sender;
  window.Notify(msg);
}

CControlUI* Control(MainWindow& window, const char* name) {
  return window.GetManager().FindControl(QString::fromLatin1(name));
}

QString Attr(MainWindow& window, const char* name, const char* attribute) {
  return ui::GetAttribute(Control(window, name), QString::fromLatin1(attribute));
}
