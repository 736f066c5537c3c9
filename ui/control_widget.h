#pragma once

#include <QWidget>

#include "ui/control_impl.h"

class QComboBox;
class QSlider;

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

 private:
  QString StateImage() const;
  void Notify(const QString& type);
  void Activate();

  CControlUI::Impl* control_;
  QComboBox* combo_ = nullptr;
  QSlider* slider_ = nullptr;
  bool suppressClick_ = false;
};

}  // namespace ui
