#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <tuple>
#include <vector>

#include "ui/window_impl_base.h"

// A resource folder holding the example skin (or any other skin text) and small pictures.
class SkinFolder {
 public:
  SkinFolder();
  QString Path() const { return dir_.path(); }
  // Writes `text` as `fileName` into the folder.
  void Write(const QString& fileName, const QByteArray& text) const;
  void WritePicture(const QString& fileName, QRgb colour = 0xFF00FF00u) const;

 private:
  QTemporaryDir dir_;
};

QByteArray ExampleSkin();

struct RecordedMessage {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

struct RecordedNotify {
  QString type;
  CControlUI* sender;
  WPARAM wParam;
};

// A skin window that records what reaches it.
class RecordingWindow : public WindowImplBase {
 public:
  explicit RecordingWindow(QString skin) : skin_(std::move(skin)) {}

  QString WindowClassName() const override { return "RecordingWindow"; }
  QString SkinFileName() override { return skin_; }
  void OnWindowReady() override;
  void Notify(TNotifyUI& msg) override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

  std::vector<RecordedMessage> Messages(UINT msg) const;
  CControlUI* Find(const QString& name) { return m_pm.FindControl(name); }

  int readyCalls = 0;
  bool controlsAtReady = false;
  std::vector<RecordedMessage> messages;
  std::vector<RecordedNotify> notifications;

 private:
  QString skin_;
};

// Collects the toolkit's trace lines while it exists.
class TraceCapture {
 public:
  TraceCapture();
  ~TraceCapture();
  QStringList Lines() const;
  int Count(const QString& fragment) const;
};

// Runs the event loop until `done` holds or `ms` pass; returns `done`'s last answer.
bool WaitFor(const std::function<bool()>& done, int ms = 2000);
