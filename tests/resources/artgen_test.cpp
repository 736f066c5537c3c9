// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of the picture generator's own logic: the key table parser, the key styles, and the
// handheld geometry that must agree with where the program puts the key buttons.

#include <gtest/gtest.h>

#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRectF>
#include <QTemporaryDir>

#include "app_icon.h"
#include "handheld_model.h"
#include "key_pictures.h"
#include "key_table.h"
#include "skin_document.h"

namespace {

TEST(ThemeIconsTest, EverySizeFolderGetsTheIconAtItsSize) {
  QTemporaryDir root;
  QStringList failures;
  WriteThemeIcons(QDir(root.path()), failures);
  EXPECT_TRUE(failures.isEmpty()) << qPrintable(failures.join(' '));
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const QImage icon(root.filePath(QStringLiteral("%1x%1/apps/padcontrols.png").arg(size)));
    ASSERT_EQ(icon.size(), QSize(size, size)) << size;
    // The tile fills the middle and leaves the corners of its rounded square clear.
    EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
  }
  QStringList unwritable;
  WriteThemeIcons(QDir(QStringLiteral("/proc/no-such-folder")), unwritable);
  EXPECT_EQ(unwritable.size(), 9);
}

TEST(KeyTableTest, ReadsRowsSkipsCommentsAndKeepsPunctuationLabels) {
  std::vector<KeyPictureSpec> rows;
  QString error;
  ASSERT_TRUE(ParseKeyTable(QStringLiteral("# comment\n\nSlash.png | key | \\\n"
                                           "  Up.png|arrow|up  \nX.png | key | a | b\n"),
                            rows, error))
      << qPrintable(error);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].label, QStringLiteral("\\"));
  EXPECT_EQ(rows[1].file, QStringLiteral("Up.png"));
  EXPECT_EQ(rows[1].style, QStringLiteral("arrow"));
  EXPECT_EQ(rows[2].label, QStringLiteral("a | b"));
}

TEST(KeyTableTest, RejectsMalformedRowsWithTheirLineNumber) {
  for (const char* text :
       {"a.png | key\n", "a.png | | A\n", "a.jpg | key | A\n", "# x\nnothing\n"}) {
    std::vector<KeyPictureSpec> rows;
    QString error;
    EXPECT_FALSE(ParseKeyTable(QString::fromLatin1(text), rows, error)) << text;
    EXPECT_TRUE(error.startsWith(QStringLiteral("line "))) << text;
  }
  std::vector<KeyPictureSpec> rows;
  QString error;
  EXPECT_FALSE(ReadKeyTable(QStringLiteral("/nonexistent/keys.txt"), rows, error));
  EXPECT_FALSE(error.isEmpty());
}

// Draws a spec on a transparent key-sized canvas; returns whether the style accepted it and
// how many pixels it painted.
std::pair<bool, int> Draw(const char* style, const char* label) {
  QImage image(kKeyPictureSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  const bool ok = DrawKeyPicture(
      painter, {QStringLiteral("x.png"), QString::fromLatin1(style), QString::fromLatin1(label)});
  painter.end();
  int painted = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) != 0;
  }
  return {ok, painted};
}

TEST(KeyStylesTest, KnownStylesDrawAndBadLabelsAreRefused) {
  for (auto [style, label] : {std::pair{"key", "Esc"},
                              {"numpad", "*"},
                              {"arrow", "left"},
                              {"wheel", "down"},
                              {"dpad", "right"},
                              {"face", "Y"},
                              {"stick", "R up"},
                              {"stickpress", "L3"},
                              {"shoulder", "R1"},
                              {"trigger", "L2"},
                              {"pad", "Start"}}) {
    const auto [ok, painted] = Draw(style, label);
    EXPECT_TRUE(ok) << style;
    EXPECT_GT(painted, 52 * 28 / 2) << style;
  }
  for (auto [style, label] : {std::pair{"sparkle", "A"},
                              {"arrow", "north"},
                              {"wheel", "left"},
                              {"face", "Q"},
                              {"stick", "up"},
                              {"stick", "M up"},
                              {"stickpress", "L4"}}) {
    EXPECT_FALSE(Draw(style, label).first) << style << " " << label;
  }
}

TEST(KeyStylesTest, TheShippedTableDrawsEveryRow) {
  std::vector<KeyPictureSpec> rows;
  QString error;
  ASSERT_TRUE(ReadKeyTable(QStringLiteral(PC_KEY_TABLE), rows, error)) << qPrintable(error);
  EXPECT_EQ(rows.size(), 113u);
  for (const KeyPictureSpec& row : rows) {
    QImage image(kKeyPictureSize, QImage::Format_ARGB32);
    QPainter painter(&image);
    EXPECT_TRUE(DrawKeyPicture(painter, row)) << qPrintable(row.file);
  }
}

const HandheldModel* kLayouts[] = {&Layout1Model(), &Layout2Model(), &Layout3Model()};

// The program gives the buttons these places; the pictures are drawn for the same places.
TEST(HandheldModelTest, ButtonPlacesAreThoseTheProgramSets) {
  const QStringList rows = ReadDataLines(QStringLiteral(PC_TEST_DATA "/layout_positions.txt"));
  ASSERT_EQ(rows.size(), 14);
  for (int layout = 0; layout < 3; ++layout) {
    QMap<QString, QPointF> places;
    for (const KeySlotPlacement& key : kLayouts[layout]->keys)
      places.insert(key.button, key.topLeft);
    EXPECT_EQ(places.size(), 14);
    for (const QString& row : rows) {
      const QString name = row.section(' ', 0, 0);
      const QStringList xy = row.section(' ', layout + 1, layout + 1).split(',');
      ASSERT_EQ(xy.size(), 2) << qPrintable(row);
      EXPECT_EQ(places.value(name, QPointF(-1, -1)), QPointF(xy[0].toInt(), xy[1].toInt()))
          << qPrintable(name) << " layout " << layout + 1;
    }
  }
}

TEST(HandheldModelTest, ButtonsFitThePictureWithoutOverlapAndPointAtRealControls) {
  const QRectF picture(0, 0, 960, 390);
  for (const HandheldModel* model :
       {&Layout1Model(), &Layout2Model(), &Layout3Model(), &GenericModel()}) {
    std::vector<QRectF> rects;
    for (const KeySlotPlacement& key : model->keys) {
      const QRectF rect(key.topLeft, QSizeF(kKeyPictureSize));
      EXPECT_TRUE(picture.contains(rect)) << qPrintable(key.button);
      for (const QRectF& other : rects) {
        EXPECT_FALSE(rect.intersects(other)) << qPrintable(key.button) << " overlaps";
      }
      rects.push_back(rect);
      QPointF target;
      ASSERT_TRUE(TargetPoint(*model, key.target, target)) << qPrintable(key.target);
      EXPECT_TRUE(model->body.contains(target)) << qPrintable(key.button);
      if (key.target == QLatin1String("stick")) {
        // The four stick keys surround the stick they stand for.
        const QPointF offset = rect.center() - model->leftStick;
        EXPECT_LT(offset.manhattanLength(), 70) << qPrintable(key.button);
      } else {
        // Callout buttons sit beside the shell on the side of their control.
        const bool buttonLeft = rect.center().x() < model->body.center().x();
        EXPECT_EQ(buttonLeft, target.x() < model->body.center().x()) << qPrintable(key.button);
        EXPECT_FALSE(model->screen.contains(target)) << qPrintable(key.button);
      }
    }
  }
}

}  // namespace
