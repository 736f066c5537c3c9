// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the drawn pictures in the build's Resources folder: everything the skin and the
// program name exists, is a readable PNG, has a sharp @2x twin, and fits the control it is
// shown on.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QMap>
#include <QSet>
#include <algorithm>
#include <cstdlib>

#include "skin_document.h"
#include "tests/support/picture_file.h"
#include "tests/support/pixel_difference.h"

namespace {

const QString kResources = QStringLiteral(PC_RESOURCE_DIR);

QString TwinName(const QString& name) {
  return name.left(name.size() - 4) + QStringLiteral("@2x.png");
}

QImage Load(const QString& name) {
  return QImage(QDir(kResources).filePath(name));
}

// Every picture attribute value the skin uses.
QSet<QString> SkinPictures(const SkinDocument& skin) {
  static const QStringList kPictureAttributes = {
      QStringLiteral("bkimage"),       QStringLiteral("normalimage"),
      QStringLiteral("hotimage"),      QStringLiteral("pushedimage"),
      QStringLiteral("selectedimage"), QStringLiteral("disabledimage")};
  QSet<QString> out;
  for (const SkinElement* e : skin.All()) {
    for (const QString& attribute : kPictureAttributes) {
      const QString file = PictureFile(e->Attr(attribute));
      if (!file.isEmpty()) out.insert(file);
    }
  }
  return out;
}

TEST(PicturesTest, EverythingTheSkinAndTheProgramNameExistsWithItsTwin) {
  SkinDocument skin;
  ASSERT_TRUE(skin.Load(kResources + "/XmlMainWindow.xml")) << qPrintable(skin.error);
  QSet<QString> names = SkinPictures(skin);
  EXPECT_GE(names.size(), 40);
  const QStringList required = ReadDataLines(QStringLiteral(PC_TEST_DATA "/required_pictures.txt"));
  EXPECT_EQ(required.size(), 158);
  for (const QString& name : required) names.insert(name);
  for (const QString& name : names) {
    EXPECT_FALSE(Load(name).isNull()) << qPrintable(name) << " missing or unreadable";
    EXPECT_FALSE(Load(TwinName(name)).isNull()) << qPrintable(TwinName(name)) << " missing";
  }
}

TEST(PicturesTest, EveryPictureIsAPngWithATwinOfTwiceItsSize) {
  const QStringList files = QDir(kResources).entryList({QStringLiteral("*.png")}, QDir::Files);
  int checked = 0;
  for (const QString& file : files) {
    if (file.endsWith(QLatin1String("@2x.png"))) {
      const QString base = file.left(file.size() - 7) + QStringLiteral(".png");
      EXPECT_TRUE(files.contains(base)) << qPrintable(file) << " has no 1x picture";
      continue;
    }
    const QImage one(QDir(kResources).filePath(file), "PNG");
    const QImage two(QDir(kResources).filePath(TwinName(file)), "PNG");
    ASSERT_FALSE(one.isNull()) << qPrintable(file);
    ASSERT_FALSE(two.isNull()) << qPrintable(TwinName(file));
    EXPECT_EQ(two.size(), one.size() * 2) << qPrintable(file);
    ++checked;
  }
  EXPECT_GT(checked, 150);
}

// On a high-DPI screen the window shows the @2x pictures: each one must look like its 1x twin,
// or that screen shows something else (a badge missing, a leader line elsewhere). Both are
// compared at half the 1x size, where glyphs and hairlines drawn at two sizes average out while
// a misplaced part stays: at most 1 % of the pixels (32 in a small picture) may differ.
TEST(PicturesTest, EverySharpTwinLooksLikeItsPicture) {
  const QStringList files = QDir(kResources).entryList({QStringLiteral("*.png")}, QDir::Files);
  int checked = 0;
  for (const QString& file : files) {
    if (file.endsWith(QLatin1String("@2x.png"))) continue;
    const QImage one = Load(file);
    const QImage two = Load(TwinName(file));
    if (one.isNull() || two.size() != one.size() * 2) continue;  // the twin test reports these
    const QSize half = one.size() / 2;
    const int differing =
        DifferingPixels(one.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                        two.scaled(half, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    const int pixels = half.width() * half.height();
    EXPECT_LE(differing, std::max(32, pixels / 100))
        << qPrintable(TwinName(file)) << ": " << differing << " of " << pixels << " pixels differ";
    ++checked;
  }
  EXPECT_GT(checked, 150);
}

// A picture stretched onto a control of another size looks blurred or squashed.
TEST(PicturesTest, PicturesMatchTheControlsThatShowThem) {
  SkinDocument skin;
  ASSERT_TRUE(skin.Load(kResources + "/XmlMainWindow.xml"));
  const auto sizeOf = [&](const char* name) {
    const SkinElement* e = skin.Find(QString::fromLatin1(name));
    return e ? PosRect(*e).size() : QSize();
  };
  const QSize controlPage = sizeOf("ConKeyDevBkgImg");
  for (const char* name : {"ControlKeyNewBK.png", "T2802-21_MappingKeyBK.png",
                           "CtrlKeyBK_T2803_31.png", "ControlKeyBK_Generic.png"}) {
    EXPECT_EQ(Load(QString::fromLatin1(name)).size(), controlPage) << name;
  }
  const QSize backPage = sizeOf("BackKeyDevBkgImg");
  for (const char* name : {"BackKeyNewBK.png", "T2802-21_MacroKeyBK.png", "BackKeyBK_T2803_31.png",
                           "BackKeyBK_Generic.png"}) {
    EXPECT_EQ(Load(QString::fromLatin1(name)).size(), backPage) << name;
  }
  const QSize menu = sizeOf("BackKeybtn");
  EXPECT_EQ(sizeOf("ControlKeybtn"), menu);
  for (const char* name : {"BackKeybtn_nor_New.png", "T2802_21_MacroBtn_hot.png",
                           "T2803_31_ControlKey_press.png", "T2802_21_MappingKey_nor.png"}) {
    EXPECT_EQ(Load(QString::fromLatin1(name)).size(), menu) << name;
  }
  // Key pictures and their frames fill the key buttons exactly.
  const QSize key = sizeOf("ConKeyABtn");
  const SkinElement* step = skin.Find(QStringLiteral("BackKeySet1Btn"));
  ASSERT_NE(step, nullptr);
  EXPECT_EQ(QSize(step->Attr("width").toInt(), step->Attr("height").toInt()), key);
  for (const QString& name : ReadDataLines(QStringLiteral(PC_TEST_DATA "/required_pictures.txt"))) {
    const bool keyPicture =
        !name.contains(QLatin1String("BK")) && !name.contains(QLatin1String("_nor")) &&
        !name.contains(QLatin1String("_hot")) && !name.contains(QLatin1String("_press"));
    if (keyPicture) {
      EXPECT_EQ(Load(name).size(), key) << qPrintable(name);
    }
  }
  EXPECT_EQ(Load(QStringLiteral("Key_hot.png")).size(), key);
  EXPECT_EQ(Load(QStringLiteral("padcontrols.png")).size(), QSize(256, 256));
}

TEST(PicturesTest, LanguageVariantsSwapWithoutMovingAnything) {
  for (const char* base : {"back", "Reduction", "Save"}) {
    for (const char* state : {"_nor.png", "_hot.png", "_press.png"}) {
      const QString chinese = QString::fromLatin1(base) + QLatin1String(state);
      const QImage zh = Load(chinese);
      const QImage en = Load(QStringLiteral("en_") + chinese);
      ASSERT_FALSE(zh.isNull()) << qPrintable(chinese);
      EXPECT_EQ(zh.size(), en.size()) << qPrintable(chinese);
      EXPECT_NE(zh, en) << qPrintable(chinese) << " shows the same text in both languages";
    }
  }
}

TEST(PicturesTest, EachLayoutHasItsOwnArtworkAndStatesDiffer) {
  const QImage one = Load(QStringLiteral("ControlKeyNewBK.png"));
  const QImage two = Load(QStringLiteral("T2802-21_MappingKeyBK.png"));
  const QImage three = Load(QStringLiteral("CtrlKeyBK_T2803_31.png"));
  EXPECT_NE(one, two);
  EXPECT_NE(two, three);
  EXPECT_NE(one, three);
  EXPECT_NE(Load(QStringLiteral("BackKeyNewBK.png")),
            Load(QStringLiteral("BackKeyBK_T2803_31.png")));
  EXPECT_NE(Load(QStringLiteral("BackKeybtn_nor_New.png")),
            Load(QStringLiteral("BackKeybtn_hot_New.png")));
  EXPECT_NE(Load(QStringLiteral("BackKeybtn_hot_New.png")),
            Load(QStringLiteral("BackKeybtn_press_New.png")));
  EXPECT_NE(Load(QStringLiteral("Key_hot.png")), Load(QStringLiteral("Key_push.png")));
}

// Two keys drawn alike would be indistinguishable on a slot button.
TEST(PicturesTest, EveryKeyPictureLooksDifferent) {
  QMap<QByteArray, QString> seen;
  int checked = 0;
  for (const QString& name : ReadDataLines(QStringLiteral(PC_TEST_DATA "/required_pictures.txt"))) {
    if (name.contains(QLatin1String("BK")) || name.contains(QLatin1String("_nor")) ||
        name.contains(QLatin1String("_hot")) || name.contains(QLatin1String("_press"))) {
      continue;
    }
    const QImage image = Load(TwinName(name)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(image.isNull()) << qPrintable(name);
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()),
                          static_cast<int>(image.sizeInBytes()));
    EXPECT_FALSE(seen.contains(bits))
        << qPrintable(name) << " looks exactly like " << qPrintable(seen.value(bits));
    seen.insert(bits, name);
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
