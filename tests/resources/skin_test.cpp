// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the installed skin file that the program depends on: control names, palette,
// combo items, slider ranges, fonts, and a layout in which the main menu stays clickable.

#include <gtest/gtest.h>

#include <QSet>

#include "settings/setting_values.h"
#include "skin_document.h"

namespace {

const QString kSkin = QStringLiteral(PC_RESOURCE_DIR "/XmlMainWindow.xml");

class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(skin.Load(kSkin)) << qPrintable(skin.error); }
  SkinDocument skin;
};

TEST_F(SkinTest, EveryLookedUpControlOccursExactlyOnce) {
  const QStringList required = ReadDataLines(QStringLiteral(PC_TEST_DATA "/required_controls.txt"));
  ASSERT_GE(required.size(), 80);
  for (const QString& name : required) {
    EXPECT_EQ(skin.Named(name).size(), 1u) << qPrintable(name);
  }
  // No name at all may repeat: the program finds controls by name only.
  QSet<QString> seen;
  for (const SkinElement* e : skin.All()) {
    if (e->Name().isEmpty() || e->tag == QLatin1String("Font")) continue;
    EXPECT_FALSE(seen.contains(e->Name())) << "duplicate " << qPrintable(e->Name());
    seen.insert(e->Name());
  }
}

TEST_F(SkinTest, WindowFitsASmallHandheldScreenAndDefinesTheProgramFonts) {
  ASSERT_EQ(skin.root->tag, QStringLiteral("Window"));
  const QStringList size = skin.root->Attr(QStringLiteral("size")).split(',');
  ASSERT_EQ(size.size(), 2);
  EXPECT_LE(size[0].toInt(), 1280);
  EXPECT_LE(size[1].toInt(), 760);  // 800 minus a taskbar
  QSet<int> fonts;
  for (const auto& child : skin.root->children) {
    if (child->tag != QLatin1String("Font")) continue;
    fonts.insert(child->Attr(QStringLiteral("id")).toInt());
    EXPECT_TRUE(child->Attr(QStringLiteral("name")).contains(QStringLiteral("Noto Sans CJK SC")))
        << "font " << qPrintable(child->Attr(QStringLiteral("id"))) << " cannot show Chinese";
  }
  for (int id : {0, 2, 5, 6}) EXPECT_TRUE(fonts.contains(id)) << "font " << id;
}

TEST_F(SkinTest, SwatchesShowTheLedPaletteWithAnInvisibleBorder) {
  const unsigned palette[13] = {0xFF0000, 0xFF3300, 0xFF6600, 0xFF9900, 0xFFFF00,
                                0x99FF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0x6600FF,
                                0xFF00FF, 0xFF0066, 0xFFFFFF};
  for (int i = 0; i < 13; ++i) {
    const SkinElement* swatch = skin.Find(QStringLiteral("LedColor%1").arg(i));
    ASSERT_NE(swatch, nullptr) << i;
    bool ok = false;
    const unsigned colour =
        swatch->Attr(QStringLiteral("bkcolor")).mid(1).toUInt(&ok, 16);  // "#AARRGGBB"
    ASSERT_TRUE(ok) << i;
    EXPECT_EQ(colour, 0xFF000000u | palette[i]) << "swatch " << i;
    EXPECT_GE(swatch->Attr(QStringLiteral("bordersize")).toInt(), 1) << i;
    EXPECT_EQ(swatch->Attr(QStringLiteral("bordercolor")).toUpper(), QStringLiteral("#00FFFFFF"))
        << i;
  }
}

TEST_F(SkinTest, DelayCombosOfferTheDelayChoicesOfTheSettingsCore) {
  QStringList choices;
  for (int delay : settings::kDelayChoices) choices << QString::number(delay);
  for (int i = 1; i <= 6; ++i) {
    const SkinElement* combo = skin.Find(QStringLiteral("BackKeyTimeCombo%1").arg(i));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->tag, QStringLiteral("Combo"));
    QStringList items;
    for (const auto& item : combo->children) items << item->Attr(QStringLiteral("text"));
    EXPECT_EQ(items, choices) << i;
  }
}

TEST_F(SkinTest, DeadZoneSlidersSpanTheRangeOfTheSettingsCore) {
  for (const char* name :
       {"RS_CenterDzSlider", "RS_BoundaryDzSlider", "LS_CenterDzSlider", "LS_BoundaryDzSlider"}) {
    const SkinElement* slider = skin.Find(QString::fromLatin1(name));
    ASSERT_NE(slider, nullptr) << name;
    EXPECT_EQ(slider->tag, QStringLiteral("Slider")) << name;
    const int min = slider->Attr(QStringLiteral("min")).toInt();
    const int max = slider->Attr(QStringLiteral("max")).toInt();
    const int value = slider->Attr(QStringLiteral("value")).toInt();
    // The byte a slider fills is read back as signed, so the range must fit one.
    EXPECT_EQ(min, settings::kMinDeadZone) << name;
    EXPECT_EQ(max, settings::kMaxDeadZone) << name;
    EXPECT_GE(min, -128) << name;
    EXPECT_LE(max, 127) << name;
    EXPECT_TRUE(value >= min && value <= max) << name;
  }
}

TEST_F(SkinTest, OptionsAreGroupedAsTheProgramExpects) {
  for (const char* name : {"Vib0", "Vib1", "Vib2"}) {
    const SkinElement* option = skin.Find(QString::fromLatin1(name));
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(option->tag, QStringLiteral("Option"));
    EXPECT_EQ(option->Attr(QStringLiteral("group")), skin.Find("Vib0")->Attr("group"));
    EXPECT_FALSE(option->Attr(QStringLiteral("group")).isEmpty());
  }
  // The on/off switch toggles on its own; it must not be a radio of the effect group.
  const SkinElement* onOff = skin.Find(QStringLiteral("LedModeOnOff"));
  ASSERT_NE(onOff, nullptr);
  EXPECT_EQ(onOff->tag, QStringLiteral("Option"));
  EXPECT_TRUE(onOff->Attr(QStringLiteral("group")).isEmpty());
}

TEST_F(SkinTest, KeyButtonsShareTheDevicePicturesOriginAndLookEmptyAtFirst) {
  const SkinElement* picture = skin.Find(QStringLiteral("ConKeyDevBkgImg"));
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(PosRect(*picture).topLeft(), QPoint(0, 0));
  const QStringList rows = ReadDataLines(QStringLiteral(PC_TEST_DATA "/layout_positions.txt"));
  ASSERT_EQ(rows.size(), 14);
  for (const QString& row : rows) {
    const QString name = row.section(' ', 0, 0);
    const SkinElement* button = skin.Find(name);
    ASSERT_NE(button, nullptr) << qPrintable(name);
    EXPECT_EQ(button->parent, picture->parent) << qPrintable(name);
    EXPECT_TRUE(PosRect(*picture).contains(PosRect(*button))) << qPrintable(name);
    EXPECT_EQ(button->Attr(QStringLiteral("bkimage")), QStringLiteral("NC.png"));
    EXPECT_EQ(button->Attr(QStringLiteral("hotimage")), QStringLiteral("Key_hot.png"));
    EXPECT_EQ(button->Attr(QStringLiteral("pushedimage")), QStringLiteral("Key_push.png"));
  }
}

// Later siblings sit above earlier ones and take the clicks. Anything that stays visible while
// the main menu shows must therefore not lie over the menu.
TEST_F(SkinTest, NothingVisibleCoversTheMainMenu) {
  const SkinElement* menu = skin.Find(QStringLiteral("MainMenuLayout"));
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(menu->parent, nullptr);
  const QRect menuRect = PosRect(*menu);
  ASSERT_FALSE(menuRect.isEmpty());
  bool after = false;
  for (const auto& sibling : menu->parent->children) {
    if (sibling.get() == menu) {
      after = true;
      continue;
    }
    if (!after || sibling->Attr(QStringLiteral("visible")) == QLatin1String("false")) continue;
    EXPECT_FALSE(PosRect(*sibling).intersects(menuRect))
        << qPrintable(sibling->Name()) << " covers the main menu";
  }
}

}  // namespace
