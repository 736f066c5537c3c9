// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the window shows fits its control, measured with the font the control really
// draws with, for every board model and both languages. CMakeLists.txt runs this at 1x and on
// the four scaled handheld screens, where the window is fitted to the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/key_picker_popup.h"
#include "sysinfo/system_language.h"
#include "tests/app/app_test_env.h"
#include "ui/control_widget.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

std::string Str(const QString& text) {
  return text.toStdString();
}

// Every control of the skin, each drawn by its own widget.
void Collect(CControlUI* control, QList<ui::ControlWidget*>* widgets) {
  if (control == nullptr) return;
  widgets->append(static_cast<ui::ControlWidget*>(control->GetWidget()));
  if (auto* container = dynamic_cast<CContainerUI*>(control)) {
    for (int i = 0; i < container->GetCount(); ++i) Collect(container->GetItemAt(i), widgets);
  }
}

// The skin's horizontal alignment of a control's text; buttons centre theirs unless told.
QString ControlAlign(ui::ControlWidget* widget) {
  const QString align = widget->Control()->GetAttribute("align");
  if (!align.isEmpty()) return align;
  return widget->AccessibleFacts().clickable ? "center" : "left";
}

// Skin controls: the text against the control's rectangle, both in skin pixels, and no
// text-bearing or clickable neighbour over that rectangle.
void CheckSkinTexts(MainWindow& window, const std::string& where, std::vector<std::string>* bad) {
  QWidget* host = window.GetHost();
  const qreal scale = window.GetManager().ContentScale();
  QList<ui::ControlWidget*> widgets;
  Collect(window.GetManager().GetRoot(), &widgets);
  for (ui::ControlWidget* widget : widgets) {
    if (!widget->isVisibleTo(host) || widget->Text().isEmpty()) continue;
    const QFontMetricsF metrics(widget->TextFont(), widget);
    const QSizeF needed = metrics.size(0, widget->Text());
    const QSizeF area = QSizeF(widget->size()) / scale;
    if (needed.width() > area.width() + 0.01 || needed.height() > area.height() + 0.01) {
      bad->push_back(where + ": \"" + Str(widget->Text()) + "\" needs " +
                     std::to_string(needed.width()) + "x" + std::to_string(needed.height()) +
                     " in " + std::to_string(area.width()) + "x" + std::to_string(area.height()));
    }
    // Where the text is drawn across the control, after its alignment.
    const QString align = ControlAlign(widget);
    const qreal spare = std::max(0.0, area.width() - needed.width()) * scale;
    const qreal left = align.contains("left") ? 0.0 : align.contains("right") ? spare : spare / 2;
    const QRect mine(
        widget->mapTo(host, QPoint(int(left), 0)),
        QSize(int(std::ceil(std::min(needed.width(), area.width()) * scale)), widget->height()));
    for (ui::ControlWidget* other : widgets) {
      if (other == widget || !other->isVisibleTo(host) || other->isAncestorOf(widget) ||
          widget->isAncestorOf(other)) {
        continue;
      }
      if (other->Text().isEmpty() && !other->AccessibleFacts().clickable) continue;
      const QRect overlap =
          mine.intersected(QRect(other->mapTo(host, QPoint(0, 0)), other->size()));
      if (overlap.width() > 1 && overlap.height() > 1) {
        bad->push_back(where + ": \"" + Str(widget->Text()) + "\" lies under " +
                       Str(other->AccessibleFacts().className) + " \"" + Str(other->Text()) + "\"");
      }
    }
  }
}

// The picker: every caption within its key, every key at least 44 logical pixels a side (88
// device pixels at 200 %) and within the screen, or reachable by scrolling a view that is.
void CheckPicker(MainWindow& window, const std::string& where, std::vector<std::string>* bad) {
  KeyPickerPopup* picker = window.OpenPicker();
  ASSERT_NE(picker, nullptr) << where;
  QApplication::processEvents();
  const QRect screen = window.GetHost()->screen()->availableGeometry();
  const QRect shown(picker->mapToGlobal(QPoint(0, 0)), picker->size());
  if (!screen.contains(shown)) bad->push_back(where + ": the picker leaves the screen");
  for (QWidget* part : picker->findChildren<QWidget*>()) {
    if (!part->isVisibleTo(picker)) continue;
    QString text;
    if (auto* label = qobject_cast<QLabel*>(part)) text = label->text();
    if (auto* button = qobject_cast<QToolButton*>(part)) text = button->text();
    if (text.isEmpty()) continue;
    part->ensurePolished();
    const QFontMetricsF metrics(part->font(), part);
    if (metrics.horizontalAdvance(text) > part->width() - 4) {
      bad->push_back(where + ": \"" + Str(text) + "\" needs " +
                     std::to_string(metrics.horizontalAdvance(text)) + " of " +
                     std::to_string(part->width()));
    }
  }
  auto* scroller = picker->findChild<QScrollArea*>();
  const QWidget* view = scroller != nullptr ? scroller->viewport() : picker;
  const QRect viewOnScreen(view->mapToGlobal(QPoint(0, 0)), view->size());
  if (!screen.contains(viewOnScreen)) bad->push_back(where + ": the keys' view leaves the screen");
  for (QToolButton* key : picker->Buttons()) {
    if (key->width() < 44 || key->height() < 44) {
      bad->push_back(where + ": key \"" + Str(key->accessibleName()) + "\" is " +
                     std::to_string(key->width()) + "x" + std::to_string(key->height()));
    }
    const QRect onScreen(key->mapToGlobal(QPoint(0, 0)), key->size());
    if (scroller == nullptr && !screen.contains(onScreen)) {
      bad->push_back(where + ": key \"" + Str(key->accessibleName()) + "\" is off the screen");
    }
  }
}

void OpenPickerOn(MainWindow& window, const char* slot) {
  TNotifyUI menu;
  menu.sType = QStringLiteral("menu");
  menu.pSender = Control(window, slot);
  window.Notify(menu);
}

TEST(TextFits, EveryTextOfEveryPageAndThePickerForEveryModelAndLanguage) {
  AppTestEnv env;
  std::vector<std::string> bad;
  for (const char* model : {"T2804-11", "T2804-12", "T2802-21", "T2803-31", "Unknown"}) {
    for (const bool chinese : {false, true}) {
      env.SetModel(model);
      env.SetLanguage(chinese ? kLangChinesePrc : kLangEnglishUs);
      auto window = env.MakeWindow();
      window->ShowWindow(true);
      QApplication::processEvents();
      const std::string where = std::string(model) + (chinese ? " zh " : " en ");
      CheckSkinTexts(*window, where + "main menu", &bad);
      Click(*window, "ControlKeybtn");
      QApplication::processEvents();
      CheckSkinTexts(*window, where + "control keys", &bad);
      OpenPickerOn(*window, "ConKeyWBtn");
      CheckPicker(*window, where + "control-key picker", &bad);
      window->OpenPicker()->close();
      Click(*window, "Backbtn");
      Click(*window, "BackKeybtn");
      QApplication::processEvents();
      CheckSkinTexts(*window, where + "rear buttons", &bad);
      OpenPickerOn(*window, "BackKeySet2Btn");
      CheckPicker(*window, where + "rear-button picker", &bad);
      window->OpenPicker()->close();
      window->ShowWindow(false);
    }
  }
  for (const std::string& line : bad) ADD_FAILURE() << line;
  EXPECT_TRUE(env.boxes.empty());
}

}  // namespace
