// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the skin into the given folder, at 1x and 2x.
//
//   padcontrols_artgen <output folder> <key table> [--preview <folder>] [--icons <folder>]
//
// With --preview it also writes, for each handheld, the control-key page with empty key
// buttons placed where the program puts them, for checking the artwork by eye. With --icons
// it writes the application icon into that folder as an icon theme's size folders.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "app_icon.h"
#include "chrome_pictures.h"
#include "device_pictures.h"
#include "handheld_model.h"
#include "handheld_painter.h"
#include "key_pictures.h"
#include "key_table.h"

namespace {

void WritePreviews(const QDir& out, const QDir& resources) {
  const QImage empty(resources.filePath(QStringLiteral("NC.png")));
  for (const HandheldModel* model :
       {&Layout1Model(), &Layout2Model(), &Layout3Model(), &GenericModel()}) {
    QImage page(960, 390, QImage::Format_ARGB32_Premultiplied);
    page.fill(QColor(0x15, 0x17, 0x1C));
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintHandheldFront(painter, *model, true);
    for (const KeySlotPlacement& key : model->keys) painter.drawImage(key.topLeft, empty);
    painter.end();
    page.save(out.filePath(QStringLiteral("preview_%1.png").arg(model->name)));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  QString previewFolder;
  QString iconFolder;
  bool usable = args.size() >= 3;
  for (int i = 3; usable && i < args.size(); i += 2) {
    if (i + 1 >= args.size()) {
      usable = false;
    } else if (args[i] == QLatin1String("--preview")) {
      previewFolder = args[i + 1];
    } else if (args[i] == QLatin1String("--icons")) {
      iconFolder = args[i + 1];
    } else {
      usable = false;
    }
  }
  if (!usable) {
    std::fprintf(stderr,
                 "usage: padcontrols_artgen <output folder> <key table> "
                 "[--preview <folder>] [--icons <folder>]\n");
    return 2;
  }
  QDir out(args[1]);
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(args[1]));
    return 1;
  }
  std::vector<KeyPictureSpec> keys;
  QString error;
  if (!ReadKeyTable(args[2], keys, error)) {
    std::fprintf(stderr, "key table: %s\n", qPrintable(error));
    return 1;
  }

  PictureSink sink(out);
  QStringList errors;
  AddKeyPictures(sink, keys, errors);
  AddChromePictures(sink);
  AddDevicePictures(sink);
  AddAppIcon(sink);

  QStringList failures = sink.Failures();
  if (!iconFolder.isEmpty()) WriteThemeIcons(QDir(iconFolder), failures);
  for (const QString& name : failures) errors << QStringLiteral("cannot write ") + name;
  for (const QString& e : errors) std::fprintf(stderr, "%s\n", qPrintable(e));
  if (!previewFolder.isEmpty()) {
    QDir previews(previewFolder);
    previews.mkpath(QStringLiteral("."));
    WritePreviews(previews, out);
  }
  std::printf("%lld pictures written to %s\n", static_cast<long long>(sink.Written().size()),
              qPrintable(out.absolutePath()));
  return errors.isEmpty() ? 0 : 1;
}
