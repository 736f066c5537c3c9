// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <unordered_map>

class CControlUI;

// What the window does with a notification, keyed by the control that sent it. Senders are
// told apart by identity: the controls are looked up once, when the table is built.
class NotifyTable {
 public:
  // What follows the action: the end of the handling, or the toolkit's default handling.
  enum class Then { kEnd, kDefaultHandling };

  // `run` answers notifications of `type` (e.g. "click") from `control`. A control the skin
  // lacks (null) gets no action; a control added twice for one type keeps its first.
  void Add(CControlUI* control, const QString& type, std::function<void()> run, Then then);
  // Runs the action for a notification of `type` from `sender`, if there is one; true when
  // the handling ends there.
  bool Run(const CControlUI* sender, const QString& type) const;

 private:
  class Action {
   public:
    Action(QString type, std::function<void()> run, Then then)
        : type_(std::move(type)), run_(std::move(run)), then_(then) {}
    // False when the notification is of another type than the action answers.
    bool Answers(const QString& type) const { return type == type_; }
    Then Run() const {
      run_();
      return then_;
    }

   private:
    QString type_;
    std::function<void()> run_;
    Then then_;
  };
  // A control answers a few types at most (a key slot: "click" and "menu").
  std::unordered_multimap<const CControlUI*, Action> actions_;
};
