// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/controls.h"

namespace {

class Accessibility : public ::testing::Test {
 protected:
  void SetUp() override {
    window.GetManager().SetResourceFolder(folder.Path());
    window.Create(nullptr, "Test");
    window.ShowWindow(true);
  }
  QAccessibleInterface* Reader(const char* name) {
    return QAccessible::queryAccessibleInterface(window.Find(name)->GetWidget());
  }
  std::vector<QString> Types() const {
    std::vector<QString> types;
    for (const RecordedNotify& n : window.notifications) types.push_back(n.type);
    return types;
  }

  SkinFolder folder;
  RecordingWindow window{"example.xml"};
};

TEST_F(Accessibility, ControlsHaveTheirRolesNamesAndActionsNeverTheirSkinNames) {
  EXPECT_EQ(Reader("keybtn")->role(), QAccessible::Button);
  EXPECT_EQ(Reader("check")->role(), QAccessible::CheckBox);
  EXPECT_EQ(Reader("radio0")->role(), QAccessible::RadioButton);
  EXPECT_EQ(Reader("combo")->role(), QAccessible::ComboBox);
  EXPECT_EQ(Reader("slider")->role(), QAccessible::Slider);
  EXPECT_EQ(Reader("title")->role(), QAccessible::StaticText);
  EXPECT_EQ(Reader("logo")->role(), QAccessible::Graphic);
  EXPECT_TRUE(Reader("radio0")->state().checked);
  EXPECT_FALSE(Reader("radio1")->state().checked);

  // The text, or the name the program gives; a control with neither has no name at all.
  EXPECT_EQ(Reader("title")->text(QAccessible::Name), "标题 Title");
  EXPECT_EQ(Reader("keybtn")->text(QAccessible::Name), "");
  ui::SetAttribute(window.Find("keybtn"), "accname", "L4 step 1: A");
  EXPECT_EQ(Reader("keybtn")->text(QAccessible::Name), "L4 step 1: A");
  ui::SetAttribute(window.Find("keybtn"), "text", "shown");
  EXPECT_EQ(Reader("keybtn")->text(QAccessible::Name), "L4 step 1: A");
  ui::SetAttribute(window.Find("slider"), "accname", "Dead zone");
  EXPECT_EQ(Reader("slider")->text(QAccessible::Name), "Dead zone");

  QAccessibleActionInterface* key = Reader("keybtn")->actionInterface();
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
  ui::SetAttribute(window.Find("keybtn"), "menu", "true");
  EXPECT_EQ(key->actionNames(), (QStringList{QAccessibleActionInterface::pressAction(),
                                             QAccessibleActionInterface::showMenuAction()}));
  // Actions run once the reader has its answer.
  key->doAction(QAccessibleActionInterface::showMenuAction());
  key->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(window.notifications.empty());
  QTest::qWait(20);
  EXPECT_EQ(Types(), (std::vector<QString>{"menu", "click"}));
  EXPECT_EQ(window.notifications[0].sender, window.Find("keybtn"));
}

TEST_F(Accessibility, AMenuButtonOpensByHoldOrRightClickAndStillClicksOnATap) {
  QWidget* key = window.Find("keybtn")->GetWidget();
  // Without "menu" neither gesture does anything but the click of a long press.
  QTest::mouseClick(key, Qt::RightButton);
  QTest::mousePress(key, Qt::LeftButton);
  QTest::qWait(650);
  QTest::mouseRelease(key, Qt::LeftButton);
  EXPECT_EQ(Types(), (std::vector<QString>{"click"}));

  window.notifications.clear();
  ui::SetAttribute(window.Find("keybtn"), "menu", "true");
  QTest::mouseClick(key, Qt::RightButton);
  QTest::mousePress(key, Qt::LeftButton);
  QTest::qWait(650);
  QTest::mouseRelease(key, Qt::LeftButton);  // the release of a hold is no click
  QTest::mouseClick(key, Qt::LeftButton);    // a short tap still is
  QTest::mousePress(key, Qt::LeftButton);
  QTest::qWait(200);
  QTest::mouseRelease(key, Qt::LeftButton);
  EXPECT_EQ(Types(), (std::vector<QString>{"menu", "menu", "click", "click"}));
}

}  // namespace
