// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <QWindow>

#include "tests/ui/ui_test_support.h"

namespace {

class Notifications : public ::testing::Test {
 protected:
  void SetUp() override {
    window.GetManager().SetResourceFolder(folder.Path());
    window.Create(nullptr, "Test");
    window.ShowWindow(true);
  }
  std::vector<QString> Types() const {
    std::vector<QString> types;
    for (const RecordedNotify& n : window.notifications) types.push_back(n.type);
    return types;
  }
  QWidget* WidgetOf(const char* name) { return window.Find(name)->GetWidget(); }

  SkinFolder folder;
  RecordingWindow window{"example.xml"};
};

}  // namespace

TEST_F(Notifications, ClickNamesItsSender) {
  QTest::mouseClick(WidgetOf("keybtn"), Qt::LeftButton);
  ASSERT_EQ(window.notifications.size(), 1u);
  EXPECT_EQ(window.notifications[0].type, "click");
  EXPECT_EQ(window.notifications[0].sender, window.Find("keybtn"));

  // Labels, plain controls and disabled buttons report nothing; other mouse buttons neither.
  QTest::mouseClick(WidgetOf("title"), Qt::LeftButton);
  QTest::mouseClick(WidgetOf("logo"), Qt::LeftButton);
  QTest::mouseClick(WidgetOf("keybtn"), Qt::RightButton);
  window.Find("keybtn")->SetEnabled(false);
  QTest::mouseClick(WidgetOf("keybtn"), Qt::LeftButton);
  EXPECT_EQ(window.notifications.size(), 1u);

  // A press that leaves the button before release is no click.
  window.Find("keybtn")->SetEnabled(true);
  QWidget* key = WidgetOf("keybtn");
  QTest::mousePress(key, Qt::LeftButton);
  QTest::mouseRelease(key, Qt::LeftButton, {}, QPoint(-5, -5));
  EXPECT_EQ(window.notifications.size(), 1u);
}

TEST_F(Notifications, DoubleClickIsNotASecondClick) {
  // A double click as the window system delivers it: press, release, double click, release.
  QWidget* key = WidgetOf("keybtn");
  const QPointF at(5, 5);
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                            QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, at, key->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(key, &event);
  }
  EXPECT_EQ(Types(), (std::vector<QString>{"click", "dbclick"}));
  EXPECT_EQ(window.notifications[1].sender, window.Find("keybtn"));
}

TEST_F(Notifications, OptionsChangeThemselvesThenReportTheClick) {
  auto* check = dynamic_cast<COptionUI*>(window.Find("check"));
  auto* radio0 = dynamic_cast<COptionUI*>(window.Find("radio0"));
  auto* radio1 = dynamic_cast<COptionUI*>(window.Find("radio1"));
  QTest::mouseClick(check->GetWidget(), Qt::LeftButton);
  EXPECT_TRUE(check->IsSelected());
  QTest::mouseClick(check->GetWidget(), Qt::LeftButton);
  EXPECT_FALSE(check->IsSelected());
  QTest::mouseClick(radio1->GetWidget(), Qt::LeftButton);
  EXPECT_TRUE(radio1->IsSelected());
  EXPECT_FALSE(radio0->IsSelected());
  // A selected radio option stays selected when clicked again.
  QTest::mouseClick(radio1->GetWidget(), Qt::LeftButton);
  EXPECT_TRUE(radio1->IsSelected());
  int clicks = 0;
  for (const RecordedNotify& n : window.notifications) clicks += n.type == "click" ? 1 : 0;
  EXPECT_EQ(clicks, 4);
}

TEST_F(Notifications, UserChoicesReportButProgramChoicesDoNot) {
  auto* combo = dynamic_cast<CComboUI*>(window.Find("combo"));
  auto* slider = dynamic_cast<CSliderUI*>(window.Find("slider"));
  combo->SelectItem(0);
  slider->SetValue(20);
  EXPECT_TRUE(window.notifications.empty());

  QComboBox* box = WidgetOf("combo")->findChild<QComboBox*>();
  QTest::keyClick(box, Qt::Key_Down);
  ASSERT_EQ(window.notifications.size(), 1u);
  EXPECT_EQ(window.notifications[0].type, "itemselect");
  EXPECT_EQ(window.notifications[0].sender, combo);
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_EQ(combo->GetText(), "100ms");

  QSlider* bar = WidgetOf("slider")->findChild<QSlider*>();
  QTest::keyClick(bar, Qt::Key_Right);
  ASSERT_EQ(window.notifications.size(), 2u);
  EXPECT_EQ(window.notifications[1].type, "valuechanged");
  EXPECT_EQ(window.notifications[1].sender, slider);
  EXPECT_EQ(slider->GetValue(), 21);
}

TEST_F(Notifications, SkinWindowButtonsWorkByDefault) {
  QTest::mouseClick(WidgetOf("minbtn"), Qt::LeftButton);
  EXPECT_TRUE(window.GetHost()->isMinimized());
  EXPECT_TRUE(window.GetHost()->isVisible());
  window.GetHost()->showNormal();

  QTest::mouseClick(WidgetOf("closebtn"), Qt::LeftButton);
  EXPECT_EQ(window.Events<ui::CloseRequest>().size(), 1u);
  EXPECT_FALSE(window.GetHost()->isVisible());
}

TEST_F(Notifications, ClicksThroughTheWindowReachControlsUnlessTheCaptionTakesThem) {
  QWindow* native = window.GetHost()->windowHandle();
  auto centreOf = [&](const char* name) {
    QWidget* w = WidgetOf(name);
    return w->mapTo(window.GetHost(), w->rect().center());
  };
  // The close button lies in the caption area but is a button: the click is its own. (Renamed,
  // so that the default handling does not close the window under the test.)
  window.GetManager().FindControl("closebtn")->SetAttribute("name", "closer");
  QTest::mouseClick(native, Qt::LeftButton, {}, centreOf("closer"));
  QTest::mouseClick(native, Qt::LeftButton, {}, centreOf("keybtn"));
  ASSERT_EQ(window.notifications.size(), 2u);
  EXPECT_EQ(window.notifications[0].sender, window.Find("closer"));
  EXPECT_EQ(window.notifications[1].sender, window.Find("keybtn"));

  // A press on the caption's picture starts a window move instead of reaching the control.
  int logoPresses = 0;
  struct Probe : QObject {
    int* count;
    explicit Probe(int* c) : count(c) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::MouseButtonPress) ++*count;
      return false;
    }
  } probe(&logoPresses);
  WidgetOf("logo")->installEventFilter(&probe);
  QTest::mousePress(native, Qt::LeftButton, {}, centreOf("logo"));
  QTest::mouseRelease(native, Qt::LeftButton, {}, centreOf("logo"));
  EXPECT_EQ(logoPresses, 0);
  EXPECT_EQ(window.notifications.size(), 2u);
  WidgetOf("logo")->removeEventFilter(&probe);
}
