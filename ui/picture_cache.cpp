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

QPixmap Load(const QString& path) {
  QPixmap pixmap;
  if (qApp != nullptr && qGuiApp->devicePixelRatio() > 1.0) {
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

QPixmap CachedPicture(const QString& path) {
  if (path.isEmpty() || qGuiApp == nullptr) return {};
  PictureStore* store = Store();
  if (const auto it = store->pictures.constFind(path); it != store->pictures.cend()) {
    return *it;
  }
  if (store->missing.contains(path)) return {};
  QPixmap pixmap = Load(path);
  if (pixmap.isNull()) {
    store->missing.insert(path);
    Trace(QStringLiteral("picture not found or unreadable: %1").arg(path));
    return {};
  }
  store->pictures.insert(path, pixmap);
  return pixmap;
}

}  // namespace ui
