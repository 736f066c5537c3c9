// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "ui/control_impl.h"

class QComboBox;
class QSlider;
class QTimer;

namespace ui {

// The on-screen side of a control: paints itself from the control's attributes, turns mouse
// input into notifications, and hosts Qt's own combo box and slider where those are wanted.
class ControlWidget : public QWidget {
 public:
  ControlWidget(CControlUI::Impl* control, QWidget* parent);

  // Pushes the control's state into the inner Qt widget (combo items, slider range...).
  void SyncInner();
  QComboBox* Combo() const { return combo_; }
  QSlider* Slider() const { return slider_; }
  // True while the program itself changes an inner widget, so no notification is sent.
  bool programmatic = false;

  // What assistive technology is told about the control.
  struct Facts {
    QString className;
    bool clickable = false;
    bool container = false;
    bool grouped = false;  // an option in a radio group
    bool selected = false;
    bool pushed = false;
    bool hasMenu = false;
    bool pictureOnly = false;  // a background picture and no text
  };
  Facts AccessibleFacts() const;
  // What assistive technology may do: press a button or option, open a control's menu.
  void Press();
  void ShowMenu();
  // The accessible name follows "accname", else the text; never the skin name.
  void SyncAccessibleName();

  // The shown text, the rectangle it is drawn in and the font it is drawn with, in skin pixels
  // (the window's fit scales all three). The skin's font shrinks when the text would not fit.
  QString Text() const;
  QRectF TextArea() const;
  CControlUI* Control() const { return control_->self; }
  QFont TextFont() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  QString StateImage() const;
  void Notify(const QString& type);
  void Activate();

  CControlUI::Impl* control_;
  QComboBox* combo_ = nullptr;
  QSlider* slider_ = nullptr;
  bool suppressClick_ = false;
  // A press held this long opens the control's menu instead of clicking it.
  QTimer* holdTimer_ = nullptr;
  bool menuOpenedByHold_ = false;
};

}  // namespace ui
