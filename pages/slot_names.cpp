// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/slot_names.h"

#include <array>

#include "config/controller_config.h"
#include "keys/key_names.h"
#include "settings/setting_table.h"

namespace pages {
namespace {

struct Function {
  const char* english;
  const char* chinese;
};

// What the fourteen control-key slots stand for on the controller, slot 0 first.
constexpr std::array<Function, 14> kControlKeyFunctions{{
    {"Wheel up", "滚轮上"},
    {"Wheel down", "滚轮下"},
    {"Home", "Home"},
    {"End", "End"},
    {"A button", "A 键"},
    {"B button", "B 键"},
    {"X button", "X 键"},
    {"Y button", "Y 键"},
    {"W", "W"},
    {"S", "S"},
    {"A", "A"},
    {"D", "D"},
    {"Select", "Select"},
    {"Start", "Start"},
}};

QString KeyText(KeyCode code) {
  const std::string name = KeyName(code);
  if (name.empty()) return QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0'));
  return QString::fromStdString(name);
}

}  // namespace

QString SlotTitle(int slot, bool chinese) {
  if (slot >= slots::kFirstControlKey && slot <= slots::kLastControlKey) {
    const Function& function = kControlKeyFunctions[static_cast<std::size_t>(slot)];
    return QString::fromUtf8(chinese ? function.chinese : function.english);
  }
  const settings::Setting* setting = settings::KeySettingOfSlot(slot);
  if (setting == nullptr || setting->kind != settings::SettingKind::kRearStep) return {};
  const int step = setting->index;
  const QString button = setting->button == 0 ? QStringLiteral("L4") : QStringLiteral("R4");
  return chinese ? QStringLiteral("%1 第 %2 步").arg(button).arg(step)
                 : QStringLiteral("%1 step %2").arg(button).arg(step);
}

QString SlotAccessibleName(int slot, KeyCode code, bool chinese) {
  const QString title = SlotTitle(slot, chinese);
  if (title.isEmpty()) return {};
  return title + QStringLiteral(": ") + KeyText(code);
}

}  // namespace pages
