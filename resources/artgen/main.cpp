// Draws every picture of the skin into the given folder, at 1x and 2x.
//
//   padcontrols_artgen <output folder> <key table> [--preview <folder>]
//
// With --preview it also writes, for each handheld, the control-key page with empty key
// buttons placed where the program puts them, for checking the artwork by eye.

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
  if (args.size() != 3 && !(args.size() == 5 && args[3] == QLatin1String("--preview"))) {
    std::fprintf(stderr,
                 "usage: padcontrols_artgen <output folder> <key table> "
                 "[--preview <folder>]\n");
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

  for (const QString& name : sink.Failures()) errors << QStringLiteral("cannot write ") + name;
  for (const QString& e : errors) std::fprintf(stderr, "%s\n", qPrintable(e));
  if (args.size() == 5) {
    QDir previews(args[4]);
    previews.mkpath(QStringLiteral("."));
    WritePreviews(previews, out);
  }
  std::printf("%lld pictures written to %s\n", static_cast<long long>(sink.Written().size()),
              qPrintable(out.absolutePath()));
  return errors.isEmpty() ? 0 : 1;
}
