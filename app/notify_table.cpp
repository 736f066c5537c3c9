#include "app/notify_table.h"

void NotifyTable::Add(CControlUI* control, const QString& type, std::function<void()> run,
                      Then then) {
  if (control == nullptr) return;
  actions_.try_emplace(control, Action{type, std::move(run), then});
}

const NotifyTable::Action* NotifyTable::Find(const CControlUI* sender, const QString& type) const {
  if (sender == nullptr) return nullptr;
  const auto found = actions_.find(sender);
  if (found == actions_.end() || found->second.type != type) return nullptr;
  return &found->second;
}
