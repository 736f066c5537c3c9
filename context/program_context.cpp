// SPDX-License-Identifier: GPL-3.0-or-later
#include "context/program_context.h"

#include <QCoreApplication>

#include "sysinfo/board_model.h"
#include "sysinfo/system_language.h"

std::string ProgramContext::BoardModel() const {
  return boardModel ? boardModel() : ::BoardModel(kBoardModelFolder);
}

std::uint16_t ProgramContext::LanguageId() const {
  return languageId ? languageId() : SystemDefaultLangId();
}

bool ProgramContext::UseChinese() const {
  return LanguageId() == kLangChinesePrc;
}

QString ProgramContext::ResourceFolder() const {
  if (!resourceFolder.isEmpty()) return resourceFolder;
  QString folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder + QStringLiteral("Resources");
}
