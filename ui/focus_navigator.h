// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "ui/paint_manager.h"

namespace ui {

class ControlWidget;

// The ring drawn around the focused control: a layer over the window that takes no input.
class FocusRing : public QWidget {
 public:
  explicit FocusRing(QWidget* host);
  // Around `target` (a widget inside the host), or hidden for none.
  void Follow(QWidget* target, qreal contentScale);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  qreal thickness_ = 3;
};

// Keyboard and gamepad focus for one manager's controls (CPaintManagerUI's Navigate and
// friends are this class).
class FocusNavigator {
 public:
  explicit FocusNavigator(CPaintManagerUI& manager) : manager_(manager) {}

  bool Navigate(Navigation request);
  CControlUI* Focused() const;
  bool FocusFirst();
  void SetVisible(bool visible);
  bool Visible() const { return visible_; }
  bool HandleKey(const KeyEvent& key);
  void Moved();

 private:
  // The controls that can take the focus now, with their rectangles in host coordinates.
  std::vector<CControlUI*> Candidates(std::vector<QRect>* rects) const;
  void Focus(CControlUI* control);
  bool Activate(CControlUI* control);
  bool StepSlider(CControlUI* control, int delta);

  CPaintManagerUI& manager_;
  QPointer<FocusRing> ring_;
  bool visible_ = false;
};

}  // namespace ui
