// SPDX-License-Identifier: GPL-3.0-or-later
#include "context/program_context.h"

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
