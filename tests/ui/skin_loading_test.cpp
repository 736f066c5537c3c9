// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "tests/ui/ui_test_support.h"
#include "ui/controls.h"
#include "ui/paint_manager.h"

namespace {

class SkinLoading : public ::testing::Test {
 protected:
  void SetUp() override { manager.SetResourceFolder(folder.Path()); }
  SkinFolder folder;
  QWidget host;
  CPaintManagerUI manager;
};

}  // namespace

TEST_F(SkinLoading, ExampleSkinBuildsEveryControlKind) {
  TraceCapture traces;
  ASSERT_TRUE(manager.LoadSkin("example.xml", &host)) << manager.LastError().toStdString();
  EXPECT_TRUE(traces.Lines().isEmpty()) << traces.Lines().join("\n").toStdString();

  const std::pair<const char*, const char*> kinds[] = {
      {"root", "Container"},        {"logo", "Control"},        {"minbtn", "Button"},
      {"menu", "HorizontalLayout"}, {"left", "VerticalLayout"}, {"title", "Label"},
      {"check", "Option"},          {"combo", "Combo"},         {"slider", "Slider"}};
  for (const auto& [name, kind] : kinds) {
    CControlUI* control = manager.FindControl(name);
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(control->GetClass(), kind) << name;
    EXPECT_EQ(control->GetManager(), &manager);
  }
  EXPECT_EQ(manager.GetRoot(), manager.FindControl("root"));
  EXPECT_EQ(manager.FindControl("inner")->GetParent(), manager.FindControl("group"));
  auto* left = dynamic_cast<CContainerUI*>(manager.FindControl("left"));
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->GetCount(), 5);
  EXPECT_EQ(left->GetItemAt(0), manager.FindControl("title"));
  EXPECT_EQ(left->GetItemAt(5), nullptr);

  EXPECT_EQ(host.size(), QSize(400, 300));
  EXPECT_EQ(manager.GetCaptionRect(), QRect(0, 0, 400, 40));
  EXPECT_EQ(manager.GetWindowTitle(), "ExampleWindow");

  auto* combo = dynamic_cast<CComboUI*>(manager.FindControl("combo"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->GetItemCount(), 3);
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_EQ(combo->GetText(), "100ms");

  auto* slider = dynamic_cast<CSliderUI*>(manager.FindControl("slider"));
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->GetMinValue(), -10);
  EXPECT_EQ(slider->GetMaxValue(), 40);
  EXPECT_EQ(slider->GetValue(), 5);

  // Fonts by index: the first installed family of the list, with size and weight.
  const QFont font = manager.GetFont(0);
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_TRUE(font.bold());
  EXPECT_NE(font.families().value(0), "No Such Family");
  EXPECT_EQ(manager.GetFont(99), QApplication::font());
}

TEST_F(SkinLoading, FaultySkinsFailCleanlyWithAMessage) {
  TraceCapture traces;
  EXPECT_FALSE(manager.LoadSkin("absent.xml", &host));
  EXPECT_TRUE(manager.LastError().contains("absent.xml"));
  EXPECT_EQ(manager.GetRoot(), nullptr);

  // Malformed late in the file: nothing from before the fault is built either.
  folder.Write("broken.xml",
               "<Window size=\"10,10\"><Container name=\"a\"><Label name=\"b\">"
               "</Container></Window>");
  EXPECT_FALSE(manager.LoadSkin("broken.xml", &host));
  EXPECT_TRUE(manager.LastError().contains("line 1")) << manager.LastError().toStdString();
  EXPECT_EQ(manager.FindControl("a"), nullptr);

  folder.Write("wrongroot.xml", "<Dialog><Container name=\"a\"/></Dialog>");
  EXPECT_FALSE(manager.LoadSkin("wrongroot.xml", &host));
  EXPECT_EQ(manager.FindControl("a"), nullptr);
  EXPECT_EQ(traces.Lines().size(), 3);

  folder.Write("empty.xml", "");
  EXPECT_FALSE(manager.LoadSkin("empty.xml", &host));
}

TEST_F(SkinLoading, UnknownElementsAndAttributesAreTracedAndSkipped) {
  folder.Write(
      "odd.xml",
      "<Window size=\"100,100\" shadow=\"9\"><Container name=\"root\">"
      "<Gauge name=\"gauge\"><Label name=\"insideGauge\"/></Gauge>"
      "<Label name=\"label\" sparkle=\"yes\" pos=\"1,2,x,4\" text=\"kept\"/>"
      "<Label name=\"parent\"><Label name=\"orphan\"/></Label>"
      "<Button name=\"label\" text=\"second\"/>"
      "<Option name=\"o1\" selected=\"true\" group=\"g\"/>"
      "<Option name=\"o2\" selected=\"true\" group=\"g\"/>"
      "<Combo name=\"combo\"><Button name=\"stray\"/><ListLabelElement text=\"a\"/></Combo>"
      "</Container></Window>");
  TraceCapture traces;
  ASSERT_TRUE(manager.LoadSkin("odd.xml", &host));
  EXPECT_EQ(manager.FindControl("gauge"), nullptr);
  EXPECT_EQ(manager.FindControl("insideGauge"), nullptr);
  EXPECT_EQ(manager.FindControl("orphan"), nullptr);
  EXPECT_EQ(manager.FindControl("stray"), nullptr);
  ASSERT_NE(manager.FindControl("label"), nullptr);
  EXPECT_EQ(manager.FindControl("label")->GetText(), "kept");
  EXPECT_EQ(dynamic_cast<CComboUI*>(manager.FindControl("combo"))->GetItemCount(), 1);
  EXPECT_EQ(traces.Count("Gauge"), 1);
  EXPECT_EQ(traces.Count("sparkle"), 1);
  EXPECT_EQ(traces.Count("shadow"), 1);
  EXPECT_EQ(traces.Count("1,2,x,4"), 1);
  EXPECT_EQ(traces.Count("cannot hold"), 1);
  EXPECT_EQ(traces.Count("ListLabelElement"), 1);
  EXPECT_EQ(traces.Count("used twice"), 1);
  // Written before its group, a selection still excludes the group's other options.
  EXPECT_FALSE(dynamic_cast<COptionUI*>(manager.FindControl("o1"))->IsSelected());
  EXPECT_TRUE(dynamic_cast<COptionUI*>(manager.FindControl("o2"))->IsSelected());
  EXPECT_EQ(manager.FindControl("label")->GetClass(), "Label") << "the first of a name wins";
}

TEST_F(SkinLoading, MissingPicturesDrawNothingAndAreTracedOnce) {
  folder.Write("pictures.xml",
               "<Window size=\"50,50\"><Container name=\"root\" bkcolor=\"#FF0000FF\">"
               "<Control name=\"pic\" pos=\"0,0,50,50\" bkimage=\"nowhere.png\"/>"
               "</Container></Window>");
  TraceCapture traces;
  ASSERT_TRUE(manager.LoadSkin("pictures.xml", &host));
  QWidget* pic = manager.FindControl("pic")->GetWidget();
  for (int i = 0; i < 3; ++i) {
    const QImage shot = host.grab().toImage();
    EXPECT_EQ(shot.pixel(25, 25), 0xFF0000FFu);
    pic->update();
  }
  EXPECT_EQ(traces.Count("nowhere.png"), 1);
  EXPECT_TRUE(manager.GetImage("nowhere.png").isNull());
  EXPECT_FALSE(manager.GetImage("logo.png").isNull());
  EXPECT_TRUE(manager.GetImage("").isNull());
}

TEST_F(SkinLoading, OperationsOnAbsentControlsAreHarmless) {
  ASSERT_TRUE(manager.LoadSkin("example.xml", &host));
  CControlUI* none = manager.FindControl("NoSuchControl");
  ASSERT_EQ(none, nullptr);
  EXPECT_EQ(manager.FindControl(""), nullptr);
  ui::SetText(none, "x");
  ui::SetAttribute(none, "bkimage", "Key_A.png");
  ui::SetVisible(none, false);
  ui::SetEnabled(none, false);
  ui::SetBorderColor(none, 0xFFFFFFFF);
  ui::SetFont(none, 2);
  ui::SetSliderValue(none, 3);
  EXPECT_FALSE(ui::SelectComboItem(none, 0));
  EXPECT_EQ(ui::GetText(none), "");
  EXPECT_EQ(ui::GetBkImage(none), "");
  EXPECT_EQ(ui::GetAttribute(none, "text"), "");
  EXPECT_EQ(ui::GetSliderValue(none), 0);
  EXPECT_FALSE(ui::IsVisible(none));
  // The typed helpers ignore controls of the wrong kind.
  CControlUI* label = manager.FindControl("title");
  ui::SetSliderValue(label, 3);
  EXPECT_EQ(ui::GetSliderValue(label), 0);
  EXPECT_FALSE(ui::SelectComboItem(label, 0));
}
