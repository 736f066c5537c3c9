#pragma once

#include <QString>
#include <array>

// Everything the window shows in words, in Chinese and English. The language is chosen
// afresh at each use: Chinese exactly when the system's default language is zh-CN.

// One language-dependent setting of a control, applied in table order.
struct LanguageSetting {
  enum class Kind { kText, kAttribute, kFont, kVersion };
  const char* control;
  Kind kind;
  const char* attribute;  // for kAttribute
  const char* chinese;    // for kFont: the font index in decimal
  const char* english;
};

const std::array<LanguageSetting, 38>& LanguageSettings();

// A text in both languages.
struct Phrase {
  const char* chinese;
  const char* english;
  QString In(bool chinese) const;
};

namespace phrases {
inline constexpr Phrase kCaption{"提示", "prompt"};
inline constexpr Phrase kVersionPrefix{"版本:1.11 固件:", "Ver:1.11 Firmware:"};
inline constexpr Phrase kAlreadyRunning{"程序已在运行中！", "program already in executing"};
inline constexpr Phrase kInitFailed{"初始化失败", "initialization failed"};
inline constexpr Phrase kSkinBroken{
    "窗口皮肤文件 Resources/XmlMainWindow.xml 缺失或已损坏，请重新安装程序。",
    "The window's skin Resources/XmlMainWindow.xml is missing or damaged: reinstall the "
    "program."};
// Second lines of the start-up failure, when the system said why.
inline constexpr Phrase kNoPermission{
    "没有打开控制器的权限：请安装 udev 规则 70-padcontrols.rules，或执行 README 中的安装步骤。",
    "No permission to open the controller: install the udev rule 70-padcontrols.rules, or "
    "run the install step in the README."};
inline constexpr Phrase kKernelTooOld{
    "系统内核不能与控制器交换 HID 报告：需要 Linux 5.11 或更新的版本。",
    "The system's kernel cannot exchange HID reports with the controller: Linux 5.11 or "
    "newer is needed."};
inline constexpr Phrase kReadFailed{"读取数据失败", "data reading failure"};
inline constexpr Phrase kRestoreFailed{"还原数据失败", "Data restore failed"};
inline constexpr Phrase kSaveFailed{"保存失败", "Save failed !"};
inline constexpr Phrase kSaved{"保存成功", "Saved successfully !"};
inline constexpr Phrase kBackKeyHelp{
    "可作为如下下3个方式使用：<n>1、可映射为单个键盘按键或者手柄按键<n>2、映射为键盘的组合键("
    "最多设置4个组合键)"
    "<n>3、映射为手柄的组合键(最多设置4个组合键)",
    "back button setting could followed 3 ways:<n>1.remapped as single key or controller "
    "button<n>2.remapped as combination key(maximun 4 set)<n>3.remapped as controller "
    "combination key(maximun 4 set)"};
inline constexpr Phrase kControlKeyHelp{
    "用于修改摇杆作为键盘鼠标模式下的默认按<n>键值(只能映射键盘上的单个按键和鼠标滚轮)。",
    "Just for remap keyboard value on<n>joystick(Only fo single key and mouse wheel)"};
// The rear buttons' titles on the model that labels them L4/R4, in both languages.
inline constexpr const char* kLeftRearTitle = "L4: ";
inline constexpr const char* kRightRearTitle = "R4: ";
}  // namespace phrases
