// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <set>

#include "keys/key_codes.h"
#include "models/model_layout.h"
#include "texts/language_texts.h"
#include "tests/support/picture_file.h"
#include "ui/paint_manager.h"

namespace {

QString ResourceFolder() {
  return CPaintManagerUI::GetInstancePath() + "Resources/";
}

void ExpectPicture(const QString& value, const std::string& usedBy) {
  const QString file = PictureFile(value);
  EXPECT_TRUE(QFileInfo(ResourceFolder() + file).isFile())
      << file.toStdString() << " (used by " << usedBy << ")";
}

TEST(PicturesTest, EveryPictureTheProgramNamesExists) {
  for (int number = 1; number <= 3; ++number) {
    const ModelLayout* layout = LayoutFor(number);
    ASSERT_NE(layout, nullptr);
    for (const auto& setting : layout->pictures) {
      ExpectPicture(setting.value, "layout " + std::to_string(number));
    }
  }
  for (const LanguageSetting& setting : LanguageSettings()) {
    if (setting.kind != LanguageSetting::Kind::kAttribute) continue;
    if (!QString::fromLatin1(setting.attribute).endsWith("image")) continue;
    ExpectPicture(QString::fromUtf8(setting.chinese), setting.control);
    ExpectPicture(QString::fromUtf8(setting.english), setting.control);
  }
  for (const KnownKey& key : KnownKeys()) ExpectPicture(key.picture, "key table");
  for (UiKeyCode code : {0x10u, 0x11u, 0x5Cu, 0xE5u, 0u}) ExpectPicture(KeyImageName(code), "keys");
  for (const char* name : {kNoKeyImage, kKeyHotImage, kKeyPushImage, "padcontrols.png"}) {
    ExpectPicture(name, "program");
  }
}

TEST(PicturesTest, EveryPictureTheSkinNamesExists) {
  QFile skin(ResourceFolder() + "XmlMainWindow.xml");
  ASSERT_TRUE(skin.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&skin);
  int pictures = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
      if (!attribute.value().toString().endsWith(".png") &&
          !attribute.value().toString().endsWith(".png'")) {
        continue;
      }
      ++pictures;
      ExpectPicture(attribute.value().toString(), "skin " + xml.name().toString().toStdString() +
                                                      "." +
                                                      attribute.name().toString().toStdString());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(pictures, 0);
}

}  // namespace
