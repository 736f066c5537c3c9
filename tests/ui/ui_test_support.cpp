// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/ui_test_support.h"

#include <QFile>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QMutex>
#include <QThread>

SkinFolder::SkinFolder() {
  for (const char* picture : {"logo.png", "btn_nor.png", "btn_hot.png", "btn_press.png",
                              "Key_A.png", "Key_hot.png", "Key_push.png"}) {
    WritePicture(picture);
  }
  Write("example.xml", ExampleSkin());
}

void SkinFolder::Write(const QString& fileName, const QByteArray& text) const {
  QFile file(dir_.filePath(fileName));
  if (file.open(QIODevice::WriteOnly)) file.write(text);
}

void SkinFolder::WritePicture(const QString& fileName, QRgb colour) const {
  QImage image(8, 8, QImage::Format_ARGB32);
  image.fill(colour);
  image.save(dir_.filePath(fileName));
}

QByteArray ExampleSkin() {
  QFile file(QStringLiteral(UI_TEST_SKIN_DIR "/example.xml"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void RecordingWindow::OnWindowReady() {
  ++readyCalls;
  controlsAtReady = m_pm.FindControl("combo") != nullptr && m_pm.FindControl("inner") != nullptr;
}

void RecordingWindow::Notify(TNotifyUI& msg) {
  notifications.push_back({msg.sType, msg.pSender});
  WindowImplBase::Notify(msg);
}

bool RecordingWindow::Dispatch(const ui::WindowEvent& event) {
  events.push_back(event);
  return WindowImplBase::Dispatch(event);
}

namespace {
QMutex g_traceMutex;
QStringList g_traceLines;
QtMessageHandler g_previousHandler = nullptr;

void CaptureMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("[ui]")) {
    QMutexLocker lock(&g_traceMutex);
    g_traceLines.append(text);
    return;
  }
  if (g_previousHandler != nullptr) g_previousHandler(type, context, text);
}
}  // namespace

TraceCapture::TraceCapture() {
  QMutexLocker lock(&g_traceMutex);
  g_traceLines.clear();
  g_previousHandler = qInstallMessageHandler(CaptureMessage);
}

TraceCapture::~TraceCapture() {
  qInstallMessageHandler(g_previousHandler);
}

QStringList TraceCapture::Lines() const {
  QMutexLocker lock(&g_traceMutex);
  return g_traceLines;
}

int TraceCapture::Count(const QString& fragment) const {
  int n = 0;
  for (const QString& line : Lines()) n += line.contains(fragment) ? 1 : 0;
  return n;
}
