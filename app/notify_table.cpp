#include "app/notify_table.h"

void NotifyTable::Add(CControlUI* control, const QString& type, std::function<void()> run,
                      Then then) {
  if (control == nullptr) return;
  actions_.try_emplace(control, type, std::move(run), then);
}

bool NotifyTable::Run(const CControlUI* sender, const QString& type) const {
  if (sender == nullptr) return false;
  const auto found = actions_.find(sender);
  if (found == actions_.end() || !found->second.Answers(type)) return false;
  return found->second.Run() == Then::kEnd;
}
