// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture_cache.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QSet>

#include "ui/trace.h"

namespace ui {
namespace {

// Lives as a child of the application, so the pixmaps go before the GUI does.
class PictureStore : public QObject {
 public:
  using QObject::QObject;
  QHash<QString, QPixmap> pictures;
  QSet<QString> missing;
};

PictureStore* Store() {
  static QPointer<PictureStore> store;
  if (store.isNull() && QCoreApplication::instance() != nullptr) {
    store = new PictureStore(QCoreApplication::instance());
  }
  return store.data();
}

QPixmap Load(const QString& path, bool sharp) {
  QPixmap pixmap;
  if (sharp) {
    const QFileInfo info(path);
    const QString twin =
        info.path() + QLatin1Char('/') + info.completeBaseName() + "@2x." + info.suffix();
    if (QFileInfo::exists(twin) && pixmap.load(twin)) {
      pixmap.setDevicePixelRatio(2.0);
      return pixmap;
    }
  }
  pixmap.load(path);
  return pixmap;
}

}  // namespace

QPixmap CachedPicture(const QString& path, bool sharp) {
  if (path.isEmpty() || qGuiApp == nullptr) return {};
  PictureStore* store = Store();
  // A window may be shown sharp and plain in one process (one fitted smaller than another).
  const QString key = sharp ? QStringLiteral("2x:") + path : path;
  if (const auto it = store->pictures.constFind(key); it != store->pictures.cend()) {
    return *it;
  }
  if (store->missing.contains(path)) return {};
  QPixmap pixmap = Load(path, sharp);
  if (pixmap.isNull()) {
    store->missing.insert(path);
    Trace(QStringLiteral("picture not found or unreadable: %1").arg(path));
    return {};
  }
  store->pictures.insert(key, pixmap);
  return pixmap;
}

}  // namespace ui
