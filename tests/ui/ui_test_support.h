// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <tuple>
#include <vector>

#include "tests/support/wait_for.h"
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

struct RecordedNotify {
  QString type;
  CControlUI* sender;
};

// A skin window that records what reaches it.
class RecordingWindow : public WindowImplBase {
 public:
  explicit RecordingWindow(QString skin) : skin_(std::move(skin)) {}

  QString WindowClassName() const override { return "RecordingWindow"; }
  QString SkinFileName() override { return skin_; }
  void OnWindowReady() override;
  void Notify(TNotifyUI& msg) override;

  // The recorded events of one kind, in order.
  template <typename Event>
  std::vector<Event> Events() const {
    std::vector<Event> out;
    for (const ui::WindowEvent& event : events) {
      if (const auto* e = std::get_if<Event>(&event)) out.push_back(*e);
    }
    return out;
  }
  CControlUI* Find(const QString& name) { return m_pm.FindControl(name); }

  int readyCalls = 0;
  bool controlsAtReady = false;
  // Every event that reached the window, in order.
  std::vector<ui::WindowEvent> events;
  std::vector<RecordedNotify> notifications;

 protected:
  bool Dispatch(const ui::WindowEvent& event) override;

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
