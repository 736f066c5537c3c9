// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu_page.h"

#include "names/control_names.h"
#include "pages/page_controls.h"
#include "texts/phrases.h"

void MainMenuPage::Show(bool visible) {
  for (const char* control : names::kMainMenu) controls_.SetVisible(control, visible);
}

void MainMenuPage::SetHelpTooltips(bool chinese) {
  const QString tooltip = QStringLiteral("tooltip");
  controls_.SetAttribute(names::kBackKeyHelp, tooltip, phrases::kBackKeyHelp.In(chinese));
  controls_.SetAttribute(names::kControlKeyHelp, tooltip, phrases::kControlKeyHelp.In(chinese));
}
