// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "keys/key_codes.h"
#include "ui/focus_order.h"

class QLabel;
class QScrollArea;
class QToolButton;

// The key picker on screen: a layer over the whole window with a title bar (which slot it fills
// and a close button) and one finger-sized button per key, showing the key's picture and named
// by the key's name. Groups start on a row of their own unless they fit after the previous one;
// keys never get smaller than a finger needs, and when they do not all fit the window they
// scroll. Tapping a key closes the popup and reports the key; the close button, Escape, Back or
// a tap anywhere but a key closes it without one.
class KeyPickerPopup : public QWidget {
 public:
  struct Entry {
    KeyCode code;
    QString name;
    QPixmap picture;
    // Written under the picture of a key whose picture another key shows too ("Right", "Num"),
    // or instead of the name on a key without a picture ("none"), in the window's language.
    QString caption;
  };
  using Groups = std::vector<std::vector<Entry>>;

  // What the title bar shows: the slot's name, and the close button's picture and name, all in
  // the window's language.
  struct Title {
    QString slot;
    QPixmap closePicture;
    QString closeName;
  };

  // Covers `window` once shown; `picked` runs after the picker has closed.
  KeyPickerPopup(QWidget* window, const Title& title, const Groups& groups,
                 std::function<void(KeyCode)> picked);

  // Where each key's button lies, for tests that tap it.
  const std::vector<QToolButton*>& Buttons() const { return buttons_; }
  QLabel* TitleLabel() const { return title_; }
  QToolButton* CloseButton() const { return close_; }

  // Keyboard and gamepad: one key is the current one, drawn with the focus ring. The arrows
  // (and the pad) move to the nearest key in a direction, Tab and Shift+Tab to the next and
  // previous key, Enter or Space picks the current key as a tap would.
  // Makes the first key current (when the picker was opened without a pointer).
  void MarkFirstKey();
  // False when there is no key that way; with none current the first key becomes current.
  bool MoveCurrent(ui::FocusDirection direction);
  // Picks the current key; false when there is none.
  bool PickCurrent();
  // The index in Buttons() of the current key, -1 for none.
  int Current() const { return current_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Tab moves between the keys, never out of the picker.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void Place(const Groups& groups, QSize area);
  void SetCurrent(int index);

  std::function<void(KeyCode)> picked_;
  std::vector<QToolButton*> buttons_;
  QLabel* title_ = nullptr;
  QToolButton* close_ = nullptr;
  QScrollArea* scroller_ = nullptr;
  int current_ = -1;
  // Enter or Space went down inside the picker: its release picks.
  bool pickKeyDown_ = false;
};
