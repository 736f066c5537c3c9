#pragma once

#include <QString>
#include <functional>
#include <unordered_map>

class CControlUI;

// What the window does with a notification, keyed by the control that sent it. Senders are
// told apart by identity: the controls are looked up once, when the table is built.
class NotifyTable {
 public:
  enum class Then { kEnd, kDefaultHandling };
  struct Action {
    QString type;  // the notification type the action answers, e.g. "click"
    std::function<void()> run;
    Then then;
  };

  // A control the skin lacks (null) gets no action; a control added twice keeps its first.
  void Add(CControlUI* control, const QString& type, std::function<void()> run, Then then);
  // The action for a notification of `type` from `sender`, or nullptr when there is none.
  const Action* Find(const CControlUI* sender, const QString& type) const;

 private:
  std::unordered_map<const CControlUI*, Action> actions_;
};
