// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "models/model_layout.h"
#include "names/control_names.h"
#include "texts/language_texts.h"
#include "texts/phrases.h"
#include "ui/controls.h"

void MainWindow::ApplyLanguageTexts() {
  // One language decision per call, so a call never mixes the two.
  const bool chinese = context_.UseChinese();
  for (const LanguageSetting& setting : LanguageSettings()) {
    CControlUI* control = Find(setting.control);
    switch (setting.kind) {
      case LanguageSetting::Kind::kText:
        ui::SetText(control, QString::fromUtf8(chinese ? setting.chinese : setting.english));
        break;
      case LanguageSetting::Kind::kAttribute:
        ui::SetAttribute(control, QString::fromLatin1(setting.attribute),
                         QString::fromUtf8(chinese ? setting.chinese : setting.english));
        break;
      case LanguageSetting::Kind::kFont:
        ui::SetFont(control,
                    QString::fromLatin1(chinese ? setting.chinese : setting.english).toInt());
        break;
      case LanguageSetting::Kind::kVersion:
        ui::SetText(control, phrases::kVersionPrefix.In(chinese) + firmwareText_);
        break;
    }
  }

  ApplyAccessibleNames();

  if (UsesRearButtonTitles(context_.BoardModel())) {
    ui::SetText(Find(names::kLeftKeyTitle), QString::fromLatin1(phrases::kLeftRearTitle));
    ui::SetText(Find(names::kRightKeyTitle), QString::fromLatin1(phrases::kRightRearTitle));
  }
}

void MainWindow::ShowMessage(const Phrase& message, const Phrase* secondLine) {
  const bool chinese = context_.UseChinese();
  QString text = message.In(chinese);
  if (secondLine != nullptr) text += QLatin1Char('\n') + secondLine->In(chinese);
  ShowMessageBox(context_,
                 {GetHost(), text, phrases::kCaption.In(chinese), phrases::kOkButton.In(chinese)});
}
