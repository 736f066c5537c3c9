// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "keys/key_codes.h"

class QToolButton;

// The key picker on screen: a layer over the whole window with one finger-sized button per key,
// showing the key's picture and named by the key's name. Groups start on a row of their own
// unless they fit after the previous one. Tapping a key closes the popup and reports the key;
// Escape, Back or a tap anywhere but a key closes it without one.
class KeyPickerPopup : public QWidget {
 public:
  struct Entry {
    KeyCode code;
    QString name;
    QPixmap picture;
    // Written under the picture of a key whose picture another key shows too ("Right", "Num").
    QString caption;
  };
  using Groups = std::vector<std::vector<Entry>>;

  // Covers `window` once shown; `picked` runs after the picker has closed.
  KeyPickerPopup(QWidget* window, const Groups& groups, std::function<void(KeyCode)> picked);

  // Where each key's button lies, for tests that tap it.
  const std::vector<QToolButton*>& Buttons() const { return buttons_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Place(const Groups& groups, QSize area);

  std::function<void(KeyCode)> picked_;
  std::vector<QToolButton*> buttons_;
};
