// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_widget.h"

#include <QComboBox>
#include <algorithm>
#include <cmath>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QTimer>

#include "ui/control_accessible.h"
#include "ui/paint_manager.h"
#include "ui/text_fit.h"

namespace ui {
namespace {

// About half a second, as touch screens hold for a context menu.
constexpr int kHoldForMenuMs = 500;

QColor ToQColor(std::uint32_t argb) {
  return QColor::fromRgba(static_cast<QRgb>(argb));
}

QString Css(std::uint32_t argb) {
  return QStringLiteral("rgba(%1,%2,%3,%4)")
      .arg((argb >> 16) & 0xFF)
      .arg((argb >> 8) & 0xFF)
      .arg(argb & 0xFF)
      .arg(argb >> 24);
}

// Qt draws the combo box itself; the skin's colours reach it as a style sheet.
QString ComboStyle(std::uint32_t bkColor, std::uint32_t textColor, std::uint32_t borderColor,
                   int borderSize, std::uint32_t disabledTextColor) {
  if ((bkColor >> 24) == 0) return {};
  const int border = (borderColor >> 24) == 0 ? 0 : std::max(1, borderSize);
  return QStringLiteral(
             "QComboBox{background:%1;color:%2;border:%3px solid %4;padding-left:6px;}"
             "QComboBox:disabled{color:%5;}"
             "QComboBox QAbstractItemView{background:%1;color:%2;border:%3px solid %4;}")
      .arg(Css(bkColor), Css(textColor))
      .arg(border)
      .arg(Css(borderColor), Css(disabledTextColor));
}

}  // namespace

ControlWidget::ControlWidget(CControlUI::Impl* control, QWidget* parent)
    : QWidget(parent), control_(control) {
  InstallControlAccessibility();
  setAttribute(Qt::WA_InputMethodEnabled, false);
  holdTimer_ = new QTimer(this);
  holdTimer_->setSingleShot(true);
  holdTimer_->setInterval(kHoldForMenuMs);
  QObject::connect(holdTimer_, &QTimer::timeout, this, [this] {
    if (!control_->pushed || !control_->hasMenu) return;
    control_->pushed = false;
    menuOpenedByHold_ = true;
    update();
    ShowMenu();
  });
  // Keyboard and gamepad users reach the controls one can act on; the pointer never moves the
  // focus, so a click or tap works exactly as without it.
  const bool takesFocus =
      control_->IsClickable() || control_->className == "Combo" || control_->className == "Slider";
  setFocusPolicy(takesFocus ? Qt::TabFocus : Qt::NoFocus);
  if (control_->className == "Combo") {
    combo_ = new QComboBox(this);
    combo_->setFocusPolicy(Qt::NoFocus);
    combo_->setAttribute(Qt::WA_InputMethodEnabled, false);
    // activated() fires only for the user's choices, never for the program's.
    QObject::connect(combo_, &QComboBox::activated, this, [this](int index) {
      control_->curSel = index;
      Notify("itemselect");
    });
  } else if (control_->className == "Slider") {
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setFocusPolicy(Qt::NoFocus);
    slider_->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Without tracking, a drag reports once, on release.
    slider_->setTracking(false);
    QObject::connect(slider_, &QSlider::valueChanged, this, [this](int value) {
      if (programmatic) return;
      control_->value = value;
      Notify("valuechanged");
    });
  }
  SyncInner();
}

void ControlWidget::SyncInner() {
  programmatic = true;
  if (combo_ != nullptr) {
    if (combo_->count() != control_->items.size() || [&] {
          for (int i = 0; i < combo_->count(); ++i) {
            if (combo_->itemText(i) != control_->items[i]) return true;
          }
          return false;
        }()) {
      combo_->clear();
      combo_->addItems(control_->items);
    }
    combo_->setCurrentIndex(control_->curSel);
    if (control_->manager != nullptr && control_->font >= 0) {
      QFont font = control_->manager->GetFont(control_->font);
      // Qt draws the combo box itself, at the window's scale.
      const qreal scale = control_->manager->ContentScale();
      if (scale != 1.0 && font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
      }
      combo_->setFont(font);
    }
    const CControlUI::Impl& c = *control_;
    const QString style =
        ComboStyle(c.bkColor, c.textColor, c.borderColor, c.borderSize, c.disabledTextColor);
    if (style != combo_->styleSheet()) combo_->setStyleSheet(style);
    combo_->setGeometry(rect());
  }
  if (slider_ != nullptr) {
    slider_->setRange(control_->minValue, control_->maxValue);
    slider_->setValue(control_->value);
    slider_->setGeometry(rect());
  }
  programmatic = false;
}

QString ControlWidget::StateImage() const {
  const CControlUI::Impl& c = *control_;
  if (!isEnabled() && !c.disabledImage.isEmpty()) return c.disabledImage;
  // A selected option keeps its selected look under the pointer.
  if (c.selected && !c.selectedImage.isEmpty()) return c.selectedImage;
  if (c.pushed && !c.pushedImage.isEmpty()) return c.pushedImage;
  if (c.hot && !c.hotImage.isEmpty()) return c.hotImage;
  return c.normalImage;
}

QString ControlWidget::Text() const {
  return control_->text;
}

QRectF ControlWidget::TextArea() const {
  const CControlUI::Impl& c = *control_;
  const qreal scale = c.manager != nullptr ? c.manager->ContentScale() : 1.0;
  return QRectF(0, 0, width() / scale, height() / scale)
      .adjusted(c.textPadding.a, c.textPadding.b, -c.textPadding.c, -c.textPadding.d);
}

QFont ControlWidget::TextFont() const {
  const CControlUI::Impl& c = *control_;
  const QFont skinFont = c.manager != nullptr ? c.manager->GetFont(c.font) : font();
  return ui::FitTextFont(skinFont, c.text, TextArea().size(), this);
}

void ControlWidget::paintEvent(QPaintEvent*) {
  const CControlUI::Impl& c = *control_;
  QPainter painter(this);
  // Everything is drawn in skin pixels; a window fitted smaller scales the whole drawing.
  const qreal scale = c.manager != nullptr ? c.manager->ContentScale() : 1.0;
  if (scale != 1.0) painter.scale(scale, scale);
  const QRectF area(0, 0, width() / scale, height() / scale);
  if ((c.bkColor >> 24) != 0) painter.fillRect(area, ToQColor(c.bkColor));
  const bool dim = !isEnabled() && c.disabledImage.isEmpty();
  if (dim) painter.setOpacity(0.5);
  if (c.manager != nullptr) {
    for (const QString& picture : {c.bkImage, StateImage()}) {
      if (picture.isEmpty()) continue;
      const QPixmap pixmap = c.manager->GetImage(picture);
      if (!pixmap.isNull()) painter.drawPixmap(area, pixmap, QRectF());
    }
  }
  painter.setOpacity(1.0);
  if (!c.text.isEmpty() && combo_ == nullptr) {
    painter.setFont(TextFont());
    painter.setPen(ToQColor(isEnabled() ? c.textColor : c.disabledTextColor));
    int align = c.align;
    if (align < 0) {
      align =
          static_cast<int>((c.IsClickable() ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    painter.drawText(TextArea(), align, c.text);
  }
  if ((c.borderColor >> 24) != 0) {
    const int size = c.borderSize > 0 ? c.borderSize : 1;
    QPen pen(ToQColor(c.borderColor), size);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = size / 2.0;
    painter.drawRect(area.adjusted(half, half, -half, -half));
  }
}

void ControlWidget::resizeEvent(QResizeEvent*) {
  if (combo_ != nullptr) combo_->setGeometry(rect());
  if (slider_ != nullptr) slider_->setGeometry(rect());
  control_->Relayout();
  if (hasFocus() && control_->manager != nullptr) control_->manager->FocusMoved();
}

void ControlWidget::moveEvent(QMoveEvent*) {
  if (hasFocus() && control_->manager != nullptr) control_->manager->FocusMoved();
}

void ControlWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (control_->manager != nullptr) control_->manager->FocusMoved();
}

void ControlWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (control_->manager != nullptr) control_->manager->FocusMoved();
}

void ControlWidget::enterEvent(QEnterEvent*) {
  if (!control_->IsClickable()) return;
  control_->hot = true;
  update();
}

void ControlWidget::leaveEvent(QEvent*) {
  if (!control_->IsClickable()) return;
  control_->hot = false;
  update();
}

void ControlWidget::mousePressEvent(QMouseEvent* event) {
  menuOpenedByHold_ = false;
  if (control_->IsClickable() && control_->hasMenu && event->button() == Qt::RightButton) {
    ShowMenu();
    return;
  }
  if (!control_->IsClickable() || event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  control_->pushed = true;
  if (control_->hasMenu) holdTimer_->start();
  update();
}

void ControlWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (!control_->IsClickable() || event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  holdTimer_->stop();
  // The press was held long enough to open the menu: its release is no click.
  if (menuOpenedByHold_) {
    menuOpenedByHold_ = false;
    return;
  }
  const bool wasPushed = control_->pushed;
  control_->pushed = false;
  update();
  // The release that ends a double click belongs to the "dbclick", not to a second click.
  if (suppressClick_) {
    suppressClick_ = false;
    return;
  }
  if (wasPushed && rect().contains(event->position().toPoint())) Activate();
}

void ControlWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!control_->IsClickable() || event->button() != Qt::LeftButton) {
    event->ignore();
    return;
  }
  control_->pushed = true;
  suppressClick_ = true;
  update();
  Notify("dbclick");
}

void ControlWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    control_->hot = false;
    control_->pushed = false;
  }
  QWidget::changeEvent(event);
}

void ControlWidget::hideEvent(QHideEvent*) {
  holdTimer_->stop();
  // The pointer cannot leave a hidden control; do not show it hot when it comes back.
  control_->hot = false;
  control_->pushed = false;
}

void ControlWidget::Activate() {
  // Keep this widget alive across the handlers: they may show a modal box.
  QPointer<ControlWidget> guard(this);
  if (control_->className == "Option") {
    const bool before = control_->selected;
    const bool after = control_->group.isEmpty() ? !before : true;
    if (after != before) {
      control_->self->SetAttribute("selected", after ? "true" : "false");
      Notify("selectchanged");
      if (guard.isNull()) return;
    }
  }
  Notify("click");
}

ControlWidget::Facts ControlWidget::AccessibleFacts() const {
  const CControlUI::Impl& c = *control_;
  Facts facts;
  facts.className = c.className;
  facts.clickable = c.IsClickable();
  facts.container = c.IsContainer();
  facts.grouped = !c.group.isEmpty();
  facts.selected = c.selected;
  facts.pushed = c.pushed;
  facts.hasMenu = c.hasMenu;
  facts.pictureOnly = !c.bkImage.isEmpty() && c.text.isEmpty();
  return facts;
}

void ControlWidget::Press() {
  if (control_->IsClickable() && isEnabled()) Activate();
}

void ControlWidget::ShowMenu() {
  if (control_->hasMenu && isEnabled()) Notify("menu");
}

void ControlWidget::SyncAccessibleName() {
  const QString name =
      control_->accessibleName.isEmpty() ? control_->text : control_->accessibleName;
  setAccessibleName(name);
  if (combo_ != nullptr) combo_->setAccessibleName(name);
  if (slider_ != nullptr) slider_->setAccessibleName(name);
}

void ControlWidget::Notify(const QString& type) {
  if (control_->manager != nullptr) control_->manager->SendNotify(control_->self, type);
}

}  // namespace ui
