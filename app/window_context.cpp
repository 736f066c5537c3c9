// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_context.h"

#include <QCoreApplication>

QString WindowContext::ResourceFolder() const {
  if (!resourceFolder.isEmpty()) return resourceFolder;
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder + QStringLiteral("Resources");
}
