// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/key_picker_popup.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace {

// Key pictures are 52x28 skin pixels; a key is never wider than that shape at its height.
constexpr double kKeyAspect = 52.0 / 28.0;
constexpr int kGap = 6;
constexpr int kMargin = 12;
// A key is at least this many logical pixels a side: 88 device pixels at 200 %, 7 mm on a
// 7-inch 1920x1200 screen, what a finger needs. Keys that would be smaller scroll instead.
constexpr int kSmallestKey = 44;
// Few keys on a large window do not grow past this.
constexpr int kLargestKey = 80;
// The title bar: the close button is as large as a key.
constexpr int kBarHeight = kSmallestKey + 2 * 4;

const QString kKeyStyle = QStringLiteral(
    "QToolButton{background:#2B313C;color:#E6E9EF;border:1px solid #3A4250;border-radius:6px;"
    "font-size:11px;}"
    "QToolButton:pressed{background:#3D6FE0;border-color:#3D6FE0;}"
    "QToolButton[current=\"true\"]{border:3px solid #FFC83D;}");
const QString kTitleStyle =
    QStringLiteral("QLabel{color:#E6E9EF;font-size:16px;font-weight:bold;}");
const QString kCloseStyle = QStringLiteral(
    "QToolButton{background:transparent;color:#E6E9EF;border:none;font-size:20px;}"
    "QToolButton:pressed{background:#3D6FE0;border-radius:6px;}");

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

struct Grid {
  int columns = 0;
  QSize key;
  bool scrolls = false;
};

// The grid whose key pictures are largest while every key fits `area` at a finger's size; when
// none does, rows of keys of that size and the picture's shape, to be scrolled.
Grid ChooseGrid(const KeyPickerPopup::Groups& groups, QSize area) {
  Grid best;
  double bestPicture = 0;
  for (int columns = 1;; ++columns) {
    const int width = std::min((area.width() + kGap) / columns - kGap, kLargestKey * 2);
    if (width < kSmallestKey) break;
    int rows = 0;
    Flow(groups, columns, &rows);
    if (rows == 0) break;
    const int height = std::min({(area.height() + kGap) / rows - kGap, width, kLargestKey});
    if (height < kSmallestKey) continue;
    const int keyWidth = std::max(height, std::min(width, int(height * kKeyAspect)));
    const double picture = std::min(double(height), keyWidth / kKeyAspect);
    if (picture > bestPicture) {
      bestPicture = picture;
      best = {columns, QSize(keyWidth, height), false};
    }
  }
  if (best.columns > 0) return best;
  const int keyWidth =
      std::max(kSmallestKey, std::min(int(kSmallestKey * kKeyAspect), area.width()));
  return {std::max(1, (area.width() + kGap) / (keyWidth + kGap)), QSize(keyWidth, kSmallestKey),
          true};
}

bool IsCloseKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Escape || event->key() == Qt::Key_Back;
}

bool IsPickKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space;
}

}  // namespace

KeyPickerPopup::KeyPickerPopup(QWidget* window, const Title& title, const Groups& groups,
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

  title_ = new QLabel(title.slot, this);
  title_->setStyleSheet(kTitleStyle);
  title_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  close_ = new QToolButton(this);
  close_->setAccessibleName(title.closeName);
  close_->setToolTip(title.closeName);
  close_->setFocusPolicy(Qt::NoFocus);
  close_->setStyleSheet(kCloseStyle);
  if (title.closePicture.isNull()) {
    close_->setText(QStringLiteral("\u00D7"));
  } else {
    close_->setIcon(QIcon(title.closePicture));
  }
  QObject::connect(close_, &QToolButton::clicked, this, [this] { close(); });
  close_->setGeometry(area.width() - kSmallestKey - 4, 4, kSmallestKey, kSmallestKey);
  close_->setIconSize(QSize(kSmallestKey, kSmallestKey));
  title_->setGeometry(kMargin, 0, close_->x() - 2 * kMargin, kBarHeight);

  scroller_ = new QScrollArea(this);
  scroller_->setFrameShape(QFrame::NoFrame);
  scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));
  scroller_->viewport()->setAutoFillBackground(false);
  scroller_->setGeometry(0, kBarHeight, area.width(), area.height() - kBarHeight);
  auto* keys = new QWidget(scroller_->viewport());
  scroller_->setWidget(keys);
  // The picker's own background shows behind the keys (setWidget turns filling on).
  keys->setAutoFillBackground(false);

  for (const auto& group : groups) {
    for (const Entry& entry : group) {
      auto* button = new QToolButton(keys);
      button->setAccessibleName(entry.name);
      button->setToolTip(entry.name);
      button->setFocusPolicy(Qt::NoFocus);
      button->setStyleSheet(kKeyStyle);
      if (entry.picture.isNull()) {
        button->setText(entry.caption.isEmpty() ? entry.name : entry.caption);
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
  Place(groups, scroller_->size());
}

void KeyPickerPopup::Place(const Groups& groups, QSize area) {
  QSize inner(area.width() - 2 * kMargin, area.height() - 2 * kMargin);
  Grid grid = ChooseGrid(groups, inner);
  if (grid.scrolls) {
    inner.rwidth() -= scroller_->verticalScrollBar()->sizeHint().width();
    grid = ChooseGrid(groups, QSize(inner.width(), 0));
  }
  int rows = 0;
  const std::vector<Cell> cells = Flow(groups, grid.columns, &rows);
  const QSize step(grid.key.width() + kGap, grid.key.height() + kGap);
  const QSize used(grid.columns * step.width() - kGap, rows * step.height() - kGap);
  // Centred in the view; scrolled rows start at its top.
  const QPoint origin(kMargin + std::max(0, inner.width() - used.width()) / 2,
                      kMargin + std::max(0, inner.height() - used.height()) / 2);
  scroller_->widget()->resize(std::max(area.width(), used.width() + 2 * kMargin),
                              std::max(area.height() - 1, used.height() + 2 * kMargin));
  if (!grid.scrolls) scroller_->widget()->resize(area);
  for (std::size_t i = 0; i < buttons_.size() && i < cells.size(); ++i) {
    buttons_[i]->setGeometry(origin.x() + cells[i].column * step.width(),
                             origin.y() + cells[i].row * step.height(), grid.key.width(),
                             grid.key.height());
    const bool captioned = buttons_[i]->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
    // A caption takes the lower part of the key; the picture keeps its shape above it.
    const int iconHeight = std::min(grid.key.height() - (captioned ? 20 : 8),
                                    int((grid.key.width() - 8) / kKeyAspect));
    buttons_[i]->setIconSize(QSize(int(iconHeight * kKeyAspect), iconHeight));
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
  // A picker that scrolls brings the current key into view.
  if (scroller_ != nullptr)
    scroller_->ensureWidgetVisible(buttons_[static_cast<std::size_t>(current_)]);
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
