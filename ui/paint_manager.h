// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "ui/controls.h"

// One notification from a control to its window.
struct TNotifyUI {
  QString sType;  // "click", "itemselect", "dbclick", "valuechanged", ...
  CControlUI* pSender = nullptr;
};

namespace ui {
struct KeyEvent;
// What a keyboard or gamepad user asks of the focus: the next or previous control in reading
// order, the nearest one in a direction, or the focused control's action.
enum class Navigation { kNext, kPrevious, kLeft, kRight, kUp, kDown, kActivate };
}  // namespace ui

class INotifyUI {
 public:
  virtual ~INotifyUI() = default;
  virtual void Notify(TNotifyUI& msg) = 0;
};

// Owns a window's controls, fonts and notifications, and knows the folder of its skin and
// pictures.
class CPaintManagerUI {
 public:
  CPaintManagerUI();
  ~CPaintManagerUI();

  // Process-wide set-up.
  // The program's folder with a trailing separator, so "Resources" can be appended directly.
  static QString GetInstancePath();
  // Runs the message loop until the quit message; returns its exit code.
  static int MessageLoop();

  // The folder in which the skin file and its pictures are looked up; "Resources" beside the
  // program until one is given.
  void SetResourceFolder(const QString& folder);
  QString ResourceFolder() const;
  // For a window whose texts are not Chinese: the skin's fonts keep families made for Chinese
  // as fallbacks only, so their large files stay closed. Takes effect at LoadSkin.
  void SetChineseFontsAsFallback(bool fallback);

  // Builds the skin file (looked up in the resource folder) into `host`. False with a trace
  // line when the file is missing or malformed; the window then has no controls.
  bool LoadSkin(const QString& skinFile, QWidget* host);
  QString LastError() const;

  CControlUI* FindControl(const QString& name) const;
  // A control of this manager took a new name: finds by name see it from now on.
  void ControlRenamed();
  CControlUI* GetRoot() const;
  // Every control of the skin, in skin order.
  std::vector<CControlUI*> AllControls() const;
  // The options of a radio group, in skin order.
  std::vector<CControlUI*> FindOptionGroup(const QString& group) const;
  // The skin's window settings: client size (invalid when not given), caption area, title.
  QSize GetInitSize() const;
  // Logical pixels per skin pixel: 1, or less when the skin's size would not fit the screen
  // and the whole window is drawn smaller (decided when the skin is loaded).
  qreal ContentScale() const;
  // Device pixels per skin pixel: above 1 the sharp "@2x" pictures are shown.
  qreal PictureRatio() const;
  QRect GetCaptionRect() const;
  QString GetWindowTitle() const;
  QWidget* GetHost() const;

  // Fonts by skin index; an unknown index gives the default font.
  QFont GetFont(int index) const;
  // Pictures: a bare name is looked up in the resource folder, "file='Resources/x.png'" under
  // the program's folder. Loaded once and cached; a missing picture gives a null pixmap and
  // one trace line.
  QPixmap GetImage(const QString& value) const;

  void AddNotifier(INotifyUI* notifier);
  void SendNotify(CControlUI* sender, const QString& type);

  // A left press at `at` (window coordinates, at the window's scale): in the caption area, and not
  // on a button, option, combo or slider, it starts a window move and is consumed (true).
  bool HandleCaptionPress(const QPoint& at);

  // Keyboard focus among the buttons, options, combos and sliders that are shown and enabled.
  // Moving it shows the focus ring and tells assistive technology; a direction on a focused
  // slider steps its value instead (left and down lower it). Activating clicks a button or
  // option, opens a control's menu when it has one, opens a combo's list. False when nothing
  // happened (no control to move to, nothing focused to activate).
  bool Navigate(ui::Navigation request);
  // The control with the keyboard focus, null for none.
  CControlUI* GetFocus() const;
  // Focuses the first control in reading order below the caption area (the caption's buttons
  // when there is nothing else); false when there is no control to focus.
  bool FocusFirst();
  // Whether the focus ring is drawn: on after keyboard or gamepad navigation, off once the
  // pointer is used.
  void SetFocusVisible(bool visible);
  bool FocusVisible() const;
  // The toolkit's default handling of a key the window left alone: Tab and Shift+Tab, the
  // arrows, and Enter or Space (on release, when the press came to this window). Only while
  // the focus is on one of this manager's controls or on none: a layer with its own keys keeps
  // them. True when the key was used.
  bool HandleNavigationKey(const ui::KeyEvent& key);
  // The focused control moved, appeared or went: the ring follows.
  void FocusMoved();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Ends the message loop with `exitCode`. Posted during window creation, the loop ends as soon
// as it starts.
void PostQuitMessage(int exitCode);
