// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <set>
#include <string>

#include <QStringList>

#include "pages/page_controls.h"

// Controls as plain state, by name. Names listed in `missing` behave as the skin lacking them.
class FakePageControls : public PageControls {
 public:
  struct State {
    std::map<QString, QString> attributes;
    bool visible = true;
    bool enabled = true;
    std::uint32_t border = 0;
    QString text;
    int value = 0;
    int item = -1;
    QStringList items;
  };

  void SetAttribute(const char* c, const QString& name, const QString& value) override {
    if (Has(c)) controls[c].attributes[name] = value;
  }
  QString GetBkImage(const char* c) const override { return Attr(c, "bkimage"); }
  void SetVisible(const char* c, bool visible) override {
    if (Has(c)) controls[c].visible = visible;
  }
  void SetEnabled(const char* c, bool enabled) override {
    if (Has(c)) controls[c].enabled = enabled;
  }
  void SetBorderColor(const char* c, std::uint32_t argb) override {
    if (Has(c)) controls[c].border = argb;
  }
  void SetText(const char* c, const QString& text) override {
    if (Has(c)) controls[c].text = text;
  }
  QString GetText(const char* c) const override { return Get(c).text; }
  int GetValue(const char* c) const override { return Get(c).value; }
  void SetValue(const char* c, int value) override {
    if (Has(c)) controls[c].value = value;
  }
  void SelectItem(const char* c, int index) override {
    if (Has(c)) controls[c].item = index;
  }
  int ItemCount(const char* c) const override { return int(Get(c).items.size()); }
  void AddItem(const char* c, const QString& text) override {
    if (Has(c)) controls[c].items.append(text);
  }
  void KeepItems(const char* c, int count) override {
    if (Has(c)) {
      QStringList& items = controls[c].items;
      while (items.size() > count) items.removeLast();
    }
  }

  QString Attr(const std::string& c, const char* name) const {
    const auto& attributes = Get(c).attributes;
    const auto it = attributes.find(QString::fromLatin1(name));
    return it == attributes.end() ? QString() : it->second;
  }
  State Get(const std::string& c) const {
    const auto it = controls.find(c);
    return it == controls.end() ? State{} : it->second;
  }

  std::map<std::string, State> controls;
  std::set<std::string> missing;

 private:
  bool Has(const char* c) const { return c != nullptr && missing.count(c) == 0; }
};
