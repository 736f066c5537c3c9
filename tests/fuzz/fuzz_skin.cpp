// SPDX-License-Identifier: GPL-3.0-or-later
// The skin loader on arbitrary files: the XML reader, the window's own attributes, and
// every control with every attribute applied.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/paint_manager.h"

namespace {
QTemporaryDir* folder = nullptr;

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(Quiet);  // a broken skin is traced; the fuzzer needs no text
  static int argc = 1;
  static char name[] = "fuzz_skin";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);  // lives for the whole run
  folder = new QTemporaryDir();
  if (!folder->isValid()) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString path = folder->filePath(QStringLiteral("skin.xml"));
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  QWidget host;
  CPaintManagerUI manager;
  // Pictures named by the skin are looked up in this empty folder.
  manager.SetResourceFolder(folder->path());
  const bool loaded = manager.LoadSkin(path, &host);
  // A skin that did not load leaves no controls and says why.
  if (!loaded && (manager.GetRoot() != nullptr || manager.LastError().isEmpty())) {
    __builtin_trap();
  }
  return 0;
}
