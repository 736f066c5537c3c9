// Renders the main window skin offscreen into a PNG, the way the program dresses it for a
// page, a handheld layout and a language, so the artwork can be checked by eye.
//
//   padcontrols_skin_preview <out.png> <menu|control|back> <layout 0-3> <zh|en>
//
// Layout 0 is an unknown board: the skin's own pictures and positions. Run it beside the
// program (it finds the Resources folder there); QT_SCALE_FACTOR=2 gives a high-DPI render.

#include <QApplication>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "preview_dressing.h"
#include "ui/paint_manager.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  PreviewScene scene;
  if (args.size() != 5 || !ParsePreviewScene(args[2], args[3], args[4], scene)) {
    std::fprintf(stderr,
                 "usage: padcontrols_skin_preview <out.png> <menu|control|back> <0-3> <zh|en>\n");
    return 2;
  }
  CPaintManagerUI::SetResourcePath(CPaintManagerUI::GetInstancePath() + "Resources");
  QWidget host;
  CPaintManagerUI manager;
  if (!manager.LoadSkin(QStringLiteral("XmlMainWindow.xml"), &host)) {
    std::fprintf(stderr, "%s\n", qPrintable(manager.LastError()));
    return 1;
  }
  DressPreview(manager, scene);
  host.show();
  app.processEvents();
  if (!host.grab().save(args[1])) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
    return 1;
  }
  return 0;
}
