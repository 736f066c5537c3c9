// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class PageControls;

// The main menu: the two buttons that open the settings pages, their captions and help
// buttons.
class MainMenuPage {
 public:
  explicit MainMenuPage(PageControls& controls) : controls_(controls) {}

  void Show(bool visible);
  // The help buttons' tooltips, in the language asked for.
  void SetHelpTooltips(bool chinese);

 private:
  PageControls& controls_;
};
