// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/notify_table.h"

void NotifyTable::Add(CControlUI* control, const QString& type, std::function<void()> run,
                      Then then) {
  if (control == nullptr) return;
  const auto [first, last] = actions_.equal_range(control);
  for (auto it = first; it != last; ++it) {
    if (it->second.Answers(type)) return;
  }
  actions_.emplace(control, Action(type, std::move(run), then));
}

bool NotifyTable::Run(const CControlUI* sender, const QString& type) const {
  if (sender == nullptr) return false;
  const auto [first, last] = actions_.equal_range(sender);
  for (auto it = first; it != last; ++it) {
    if (it->second.Answers(type)) return it->second.Run() == Then::kEnd;
  }
  return false;
}
