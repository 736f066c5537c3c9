// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSlider>
#include <QTest>
#include <QWidget>

#include "tests/ui/ui_test_support.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

class ControlAttributes : public ::testing::Test {
 protected:
  void SetUp() override {
    manager.SetResourceFolder(folder.Path());
    ASSERT_TRUE(manager.LoadSkin("example.xml", &host));
    host.show();
  }
  CControlUI* Find(const char* name) { return manager.FindControl(name); }
  QRgb PixelAt(QPoint p) { return host.grab().toImage().pixel(p); }
  QPoint CentreOf(const char* name) {
    QWidget* w = Find(name)->GetWidget();
    return w->mapTo(&host, w->rect().center());
  }

  SkinFolder folder;
  QWidget host;
  CPaintManagerUI manager;
};

}  // namespace

TEST_F(ControlAttributes, ReadBackExactlyAsWritten) {
  EXPECT_EQ(Find("minbtn")->GetAttribute("pos"), "330, 4, 0, 0");
  EXPECT_EQ(Find("title")->GetAttribute("padding"), "10,5,0,0");
  EXPECT_EQ(Find("title")->GetAttribute("text"), "标题 Title");
  EXPECT_EQ(Find("inner")->GetAttribute("bordercolor"), "#00FFFFFF");
  EXPECT_EQ(Find("keybtn")->GetBkImage(), "Key_A.png");
  EXPECT_EQ(Find("keybtn")->GetAttribute("normalimage"), "");

  CControlUI* key = Find("keybtn");
  for (const char* name : {"bkimage", "normalimage", "hotimage", "pushedimage", "tooltip", "width",
                           "padding", "pos"}) {
    key->SetAttribute(name, "file='Resources/x.png'");
    EXPECT_EQ(key->GetAttribute(name), "file='Resources/x.png'") << name;
  }
  // Typed setters go through the attribute, so reads agree whichever way a value was set.
  auto* label = dynamic_cast<CLabelUI*>(Find("title"));
  label->SetFont(2);
  EXPECT_EQ(label->GetAttribute("font"), "2");
  label->SetAttribute("font", "0");
  EXPECT_EQ(label->GetFont(), 0);
  label->SetBorderColor(0x00FFFFFF);
  EXPECT_EQ(label->GetAttribute("bordercolor"), "#00FFFFFF");
  label->SetAttribute("bordercolor", "#FFFFFFFF");
  EXPECT_EQ(label->GetBorderColor(), 0xFFFFFFFFu);
  label->SetBkImage("Key_A.png");
  EXPECT_EQ(label->GetAttribute("bkimage"), "Key_A.png");
  EXPECT_EQ(Find("closebtn")->GetWidget()->toolTip(), "Close\nthe window");
}

TEST_F(ControlAttributes, GeometryFromCodeMatchesGeometryFromSkin) {
  QWidget* title = Find("title")->GetWidget();
  EXPECT_EQ(title->geometry(), QRect(10, 5, 190, 30));
  Find("title")->SetAttribute("padding", "120,340,0,0");
  Find("title")->SetAttribute("width", "270");
  EXPECT_EQ(title->geometry(), QRect(120, 340, 270, 30));
  // The stacked sibling below moves with it.
  EXPECT_EQ(Find("keybtn")->GetWidget()->y(), 340 + 30 + 5);

  QWidget* minbtn = Find("minbtn")->GetWidget();
  EXPECT_EQ(minbtn->geometry(), QRect(330, 4, 30, 30));
  Find("minbtn")->SetAttribute("pos", "394,342,0,0");
  EXPECT_EQ(minbtn->geometry(), QRect(394, 342, 30, 30));
  EXPECT_EQ(Find("closebtn")->GetWidget()->geometry(), QRect(366, 4, 30, 30));
}

TEST_F(ControlAttributes, HidingAContainerHidesEverythingInside) {
  CControlUI* group = Find("group");
  QWidget* inner = Find("inner")->GetWidget();
  EXPECT_TRUE(inner->isVisible());
  group->SetVisible(false);
  EXPECT_FALSE(inner->isVisible());
  EXPECT_TRUE(Find("inner")->IsVisible()) << "the control's own flag is unchanged";
  EXPECT_FALSE(group->IsVisible());
  EXPECT_EQ(group->GetAttribute("visible"), "false");
  group->SetAttribute("visible", "true");
  EXPECT_TRUE(inner->isVisible());

  // A hidden stacked layout gives its space to its siblings.
  QWidget* right = Find("right")->GetWidget();
  EXPECT_EQ(right->x(), 200);
  ui::SetVisible(Find("left"), false);
  EXPECT_EQ(right->x(), 0);
  EXPECT_FALSE(Find("check")->GetWidget()->isVisible());
  ui::SetVisible(Find("left"), true);
  EXPECT_EQ(right->x(), 200);
}

TEST_F(ControlAttributes, DisablingReachesInsideAndLooksDisabled) {
  Find("group")->SetEnabled(false);
  EXPECT_FALSE(Find("inner")->GetWidget()->isEnabled());
  EXPECT_TRUE(Find("inner")->IsEnabled());
  Find("group")->SetEnabled(true);
  EXPECT_TRUE(Find("inner")->GetWidget()->isEnabled());

  auto* combo = dynamic_cast<CComboUI*>(Find("combo"));
  combo->SetAttribute("enabled", "false");
  EXPECT_FALSE(combo->IsEnabled());
  EXPECT_FALSE(combo->GetWidget()->findChild<QComboBox*>()->isEnabled());

  // Without a disabled picture the control is drawn faded over its background.
  const QPoint key = CentreOf("keybtn");
  const QRgb enabled = PixelAt(key);
  Find("keybtn")->SetEnabled(false);
  const QRgb disabled = PixelAt(key);
  EXPECT_NE(enabled, disabled);
  EXPECT_LT(qGreen(disabled), qGreen(enabled));
}

TEST_F(ControlAttributes, BackgroundPictureUnderStateFrameAndBorders) {
  folder.WritePicture("blue.png", 0xFF0000FFu);
  folder.WritePicture("red.png", 0xFFFF0000u);
  CControlUI* key = Find("keybtn");
  key->SetAttribute("bkimage", "blue.png");
  key->SetAttribute("normalimage", "");
  EXPECT_EQ(PixelAt(CentreOf("keybtn")), 0xFF0000FFu);
  key->SetAttribute("normalimage", "red.png");
  EXPECT_EQ(PixelAt(CentreOf("keybtn")), 0xFFFF0000u);

  // The frame follows the pointer: hot while over the button, pushed while pressed.
  folder.WritePicture("hot.png", 0xFF00FFFFu);
  folder.WritePicture("push.png", 0xFFFFFF00u);
  key->SetAttribute("hotimage", "hot.png");
  key->SetAttribute("pushedimage", "push.png");
  QWidget* keyWidget = key->GetWidget();
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(keyWidget, &enter);
  EXPECT_EQ(PixelAt(CentreOf("keybtn")), 0xFF00FFFFu);
  QTest::mousePress(keyWidget, Qt::LeftButton);
  EXPECT_EQ(PixelAt(CentreOf("keybtn")), 0xFFFFFF00u);
  QTest::mouseRelease(keyWidget, Qt::LeftButton);
  EXPECT_EQ(PixelAt(CentreOf("keybtn")), 0xFF00FFFFu);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(keyWidget, &leave);
  EXPECT_EQ(PixelAt(CentreOf("keybtn")), 0xFFFF0000u);

  // A selected option shows its selected picture, also under the pointer.
  CControlUI* check = Find("check");
  check->SetAttribute("hotimage", "hot.png");
  check->SetAttribute("selectedimage", "blue.png");
  check->SetAttribute("selected", "true");
  QCoreApplication::sendEvent(check->GetWidget(), &enter);
  QWidget* checkWidget = check->GetWidget();
  EXPECT_EQ(PixelAt(checkWidget->mapTo(&host, QPoint(2, 2))), 0xFF0000FFu) << "clear of the text";

  // An invisible border (alpha 0) leaves the edge alone; an opaque one draws it.
  QWidget* inner = Find("inner")->GetWidget();
  const QPoint edge = inner->mapTo(&host, QPoint(0, 10));
  const QRgb before = PixelAt(edge);
  Find("inner")->SetBorderColor(0xFFFFFFFFu);
  EXPECT_EQ(PixelAt(edge), 0xFFFFFFFFu);
  Find("inner")->SetBorderColor(0x00FFFFFFu);
  EXPECT_EQ(PixelAt(edge), before);
}

TEST_F(ControlAttributes, SlidersCombosAndOptionGroups) {
  auto* slider = dynamic_cast<CSliderUI*>(Find("slider"));
  slider->SetValue(12);
  EXPECT_EQ(slider->GetValue(), 12);
  EXPECT_EQ(slider->GetWidget()->findChild<QSlider*>()->value(), 12);
  slider->SetValue(100);
  EXPECT_EQ(slider->GetValue(), 40) << "clamped to the range";
  EXPECT_EQ(ui::GetSliderValue(slider), 40);

  auto* combo = dynamic_cast<CComboUI*>(Find("combo"));
  QComboBox* box = combo->GetWidget()->findChild<QComboBox*>();
  EXPECT_TRUE(combo->SelectItem(2));
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(combo->GetText(), "200ms");
  EXPECT_EQ(box->currentText(), "200ms");
  EXPECT_FALSE(box->hasFocus());
  EXPECT_FALSE(combo->SelectItem(3));
  EXPECT_FALSE(combo->SelectItem(-1));
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(combo->GetItemText(7), "");

  auto* radio0 = dynamic_cast<COptionUI*>(Find("radio0"));
  auto* radio1 = dynamic_cast<COptionUI*>(Find("radio1"));
  auto* check = dynamic_cast<COptionUI*>(Find("check"));
  EXPECT_TRUE(radio0->IsSelected());
  radio1->SetAttribute("selected", "true");
  EXPECT_TRUE(radio1->IsSelected());
  EXPECT_FALSE(radio0->IsSelected()) << "one option of a group at a time";
  check->Selected(true);
  EXPECT_TRUE(radio1->IsSelected()) << "options outside the group are independent";
  radio1->Selected(false);
  EXPECT_FALSE(radio0->IsSelected());
  EXPECT_FALSE(radio1->IsSelected());
}
