// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/key_picker_popup.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {

// Key pictures are 52x28 skin pixels; the picker keeps their shape.
constexpr double kKeyAspect = 52.0 / 28.0;
constexpr int kGap = 6;
constexpr int kMargin = 12;
// Never smaller than this many window pixels high, so a finger still hits one key.
constexpr int kSmallestKey = 24;

const QString kKeyStyle = QStringLiteral(
    "QToolButton{background:#2B313C;color:#E6E9EF;border:1px solid #3A4250;border-radius:6px;"
    "font-size:10px;}"
    "QToolButton:pressed{background:#3D6FE0;border-color:#3D6FE0;}"
    "QToolButton[current=\"true\"]{border:3px solid #FFC83D;}");

struct Cell {
  int column;
  int row;
};

// Lays the groups out in rows of `columns` cells: a group goes on after the previous one, one
// cell apart, when it fits in the rest of the row; otherwise it starts a row of its own.
std::vector<Cell> Flow(const KeyPickerPopup::Groups& groups, int columns, int* rowCount) {
  std::vector<Cell> cells;
  int row = 0;
  int column = 0;
  for (const auto& group : groups) {
    const int size = static_cast<int>(group.size());
    if (column > 0 && column + 1 + size <= columns) {
      column += 1;
    } else if (column > 0) {
      ++row;
      column = 0;
    }
    for (int i = 0; i < size; ++i) {
      if (column == columns) {
        ++row;
        column = 0;
      }
      cells.push_back({column++, row});
    }
  }
  *rowCount = column > 0 ? row + 1 : row;
  return cells;
}

bool IsCloseKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Escape || event->key() == Qt::Key_Back;
}

bool IsPickKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space;
}

}  // namespace

KeyPickerPopup::KeyPickerPopup(QWidget* window, const Groups& groups,
                               std::function<void(KeyCode)> picked)
    : QWidget(window), picked_(std::move(picked)) {
  // A layer inside the window rather than a window of its own: it scales with the fitted
  // window, and assistive technology finds it among the window's controls.
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("keys"));
  const QRect area = window->rect();
  setGeometry(area);
  for (const auto& group : groups) {
    for (const Entry& entry : group) {
      auto* button = new QToolButton(this);
      button->setAccessibleName(entry.name);
      button->setToolTip(entry.name);
      button->setFocusPolicy(Qt::NoFocus);
      button->setStyleSheet(kKeyStyle);
      if (entry.picture.isNull()) {
        button->setText(entry.name);
      } else {
        button->setIcon(QIcon(entry.picture));
        if (!entry.caption.isEmpty()) {
          button->setText(entry.caption);
          button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        }
      }
      const KeyCode code = entry.code;
      QObject::connect(button, &QToolButton::clicked, this, [this, code] {
        // Close first: the window may show a message or reload the page on the pick.
        std::function<void(KeyCode)> report = picked_;
        close();
        if (report) report(code);
      });
      buttons_.push_back(button);
    }
  }
  Place(groups, area.size());
}

void KeyPickerPopup::Place(const Groups& groups, QSize area) {
  const int width = area.width() - 2 * kMargin;
  const int height = area.height() - 2 * kMargin;
  // The biggest keys whose rows all fit the window.
  for (int keyHeight = height; keyHeight >= kSmallestKey; --keyHeight) {
    const int keyWidth = static_cast<int>(keyHeight * kKeyAspect);
    const int columns = (width + kGap) / (keyWidth + kGap);
    if (columns < 1) continue;
    int rows = 0;
    const std::vector<Cell> cells = Flow(groups, columns, &rows);
    if (rows * (keyHeight + kGap) - kGap > height && keyHeight > kSmallestKey) continue;
    // Centred in the window.
    const int usedWidth = columns * (keyWidth + kGap) - kGap;
    const int usedHeight = rows * (keyHeight + kGap) - kGap;
    const QPoint origin(kMargin + (width - usedWidth) / 2, kMargin + (height - usedHeight) / 2);
    for (std::size_t i = 0; i < buttons_.size() && i < cells.size(); ++i) {
      buttons_[i]->setGeometry(origin.x() + cells[i].column * (keyWidth + kGap),
                               origin.y() + cells[i].row * (keyHeight + kGap), keyWidth, keyHeight);
      const bool captioned = buttons_[i]->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
      // A caption takes the lower part of the key; the picture keeps its shape above it.
      const int iconHeight = captioned ? keyHeight - 18 : keyHeight - 6;
      buttons_[i]->setIconSize(QSize(static_cast<int>(iconHeight * kKeyAspect), iconHeight));
    }
    return;
  }
}

void KeyPickerPopup::SetCurrent(int index) {
  if (index == current_ || index < 0 || index >= static_cast<int>(buttons_.size())) return;
  const int before = current_;
  current_ = index;
  for (int changed : {before, current_}) {
    if (changed < 0) continue;
    QToolButton* button = buttons_[static_cast<std::size_t>(changed)];
    button->setProperty("current", changed == current_);
    button->style()->unpolish(button);
    button->style()->polish(button);
    button->update();
  }
  // Screen readers follow the current key as they would a focused one.
  QAccessibleEvent event(buttons_[static_cast<std::size_t>(current_)], QAccessible::Focus);
  QAccessible::updateAccessibility(&event);
}

void KeyPickerPopup::MarkFirstKey() {
  SetCurrent(0);
}

bool KeyPickerPopup::MoveCurrent(ui::FocusDirection direction) {
  if (buttons_.empty()) return false;
  if (current_ < 0) {
    SetCurrent(0);
    return true;
  }
  std::vector<QRect> rects;
  for (const QToolButton* button : buttons_) rects.push_back(button->geometry());
  const int next = ui::NearestInDirection(rects, current_, direction);
  if (next < 0) return false;
  SetCurrent(next);
  return true;
}

bool KeyPickerPopup::PickCurrent() {
  if (current_ < 0) return false;
  // As a tap: the picker closes, then the key is reported.
  buttons_[static_cast<std::size_t>(current_)]->click();
  return true;
}

// Closed and picked on the release, so that no part of the key reaches the window, which would
// capture it.
void KeyPickerPopup::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(buttons_.size());
  switch (event->key()) {
    case Qt::Key_Left:
      MoveCurrent(ui::FocusDirection::kLeft);
      break;
    case Qt::Key_Right:
      MoveCurrent(ui::FocusDirection::kRight);
      break;
    case Qt::Key_Up:
      MoveCurrent(ui::FocusDirection::kUp);
      break;
    case Qt::Key_Down:
      MoveCurrent(ui::FocusDirection::kDown);
      break;
    case Qt::Key_Tab:
      if (count > 0) SetCurrent(current_ < 0 ? 0 : (current_ + 1) % count);
      break;
    case Qt::Key_Backtab:
      if (count > 0) SetCurrent(current_ <= 0 ? count - 1 : current_ - 1);
      break;
    default:
      if (IsPickKey(event)) {
        pickKeyDown_ = true;
      } else if (!IsCloseKey(event)) {
        QWidget::keyPressEvent(event);
        return;
      }
  }
  event->accept();
}

void KeyPickerPopup::keyReleaseEvent(QKeyEvent* event) {
  if (IsCloseKey(event) && !event->isAutoRepeat()) {
    close();
    return;
  }
  if (IsPickKey(event) && !event->isAutoRepeat()) {
    // Only a key that went down here picks: not the Enter that opened the picker.
    if (pickKeyDown_) PickCurrent();
    pickKeyDown_ = false;
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void KeyPickerPopup::mousePressEvent(QMouseEvent* event) {
  // A tap anywhere but on a key closes the picker unchanged.
  close();
  event->accept();
}

void KeyPickerPopup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0x1E, 0x22, 0x2A));
}
