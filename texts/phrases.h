// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "texts/phrase.h"
#include "texts/program_version.h"

// Every text the window and padctl show in both languages, defined here once.
namespace phrases {
inline constexpr Phrase kCaption{"提示", "prompt"};
inline constexpr Phrase kOkButton{"确定", "OK"};
// The version label begins with the program's own version.
inline constexpr Phrase kVersionPrefix{"版本:" PADCONTROLS_VERSION " 固件:",
                                       "Ver:" PADCONTROLS_VERSION " Firmware:"};
inline constexpr Phrase kAlreadyRunning{"程序已在运行中！", "program already in executing"};
inline constexpr Phrase kInitFailed{"初始化失败", "initialization failed"};
inline constexpr Phrase kSkinBroken{
    "窗口皮肤文件 Resources/XmlMainWindow.xml 缺失或已损坏，请重新安装程序。",
    "The window's skin Resources/XmlMainWindow.xml is missing or damaged: reinstall the "
    "program."};
// The key picker: its close button, the entry that empties a slot, and what tells a key from
// another with the same picture.
inline constexpr Phrase kPickerClose{"关闭", "Close"};
inline constexpr Phrase kPickerNone{"无", "none"};
inline constexpr Phrase kPickerRight{"右", "Right"};
inline constexpr Phrase kPickerNumpad{"小键盘", "Num"};
inline constexpr Phrase kPickerGamepad{"手柄", "Pad"};
// Second lines of the start-up failure, when the system said why.
inline constexpr Phrase kNoPermission{
    "没有打开控制器的权限：请安装 udev 规则 70-padcontrols.rules，或执行 README 中的安装步骤。",
    "No permission to open the controller: install the udev rule 70-padcontrols.rules, or "
    "run the install step in the README."};
inline constexpr Phrase kControllerTaken{
    "另一个程序占用了控制器并对用户隐藏了它：请退出该程序或停止它的服务以释放控制器，然后再试。",
    "Another program has taken the controller and hidden it from users: quit that program or "
    "stop its service to let the controller go, then try again."};
inline constexpr Phrase kKernelTooOld{
    "系统内核不能与控制器交换 HID 报告：需要 Linux 5.11 或更新的版本。",
    "The system's kernel cannot exchange HID reports with the controller: Linux 5.11 or "
    "newer is needed."};
inline constexpr Phrase kReadFailed{"读取数据失败", "data reading failure"};
// Said before the toolkit is up, so on standard error and as one line.
inline constexpr Phrase kNoDisplay{
    "无法打开显示：DISPLAY 和 WAYLAND_DISPLAY 均未设置，或显示服务拒绝了连接；请在桌面会话中启动",
    "cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set, or the display refused "
    "the connection; start the program in a desktop session"};
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

// What padctl says to people; its messages carry arguments in place of {1}, {2}, ...
namespace padctl {
inline constexpr Phrase kUsageHint{"运行 'padctl --help' 查看用法。", "Try 'padctl --help'."};
inline constexpr Phrase kNoCommand{"未指定命令", "no command given"};
inline constexpr Phrase kUnknownCommand{"未知命令：{1}", "unknown command: {1}"};
inline constexpr Phrase kUnknownOption{"未知选项：{1}", "unknown option: {1}"};
inline constexpr Phrase kMissingValue{"{1} 需要一个值", "{1} needs a value"};
inline constexpr Phrase kUnexpectedArgument{"多余的参数：{1}", "unexpected argument: {1}"};
inline constexpr Phrase kMissingFile{"{1} 需要指定文件", "{1} needs a FILE"};
inline constexpr Phrase kNoAssignments{"set 至少需要一个 NAME=VALUE",
                                       "set needs at least one NAME=VALUE"};
inline constexpr Phrase kOptionNotForCommand{"{1} 不能用于 {2}", "{1} does not apply to {2}"};
inline constexpr Phrase kModelNeedsEmulator{"--model 只能与 --emulator 一起使用",
                                            "--model only applies with --emulator"};
inline constexpr Phrase kNotAssignment{"应为 NAME=VALUE，而不是 {1}",
                                       "expected NAME=VALUE, not {1}"};
inline constexpr Phrase kUnknownSetting{"未知设置：{1}（'padctl show' 列出全部设置）",
                                        "unknown setting: {1} ('padctl show' lists them)"};
inline constexpr Phrase kBadKeyName{"{1}：未知按键名 {2}（'padctl keys' 列出全部按键）",
                                    "{1}: unknown key name {2} ('padctl keys' lists them)"};
inline constexpr Phrase kBadNumber{"{1}：{2} 不是 {3} 到 {4} 之间的整数",
                                   "{1}: {2} is not a whole number from {3} to {4}"};
inline constexpr Phrase kBadChoice{"{1}：{2} 不是 {3} 之一", "{1}: {2} is not one of {3}"};
inline constexpr Phrase kBadColour{"{1}：{2} 不是 #RRGGBB 形式的颜色",
                                   "{1}: {2} is not a colour of the form #RRGGBB"};
inline constexpr Phrase kEmulatorState{"无法使用模拟器状态文件：{1}",
                                       "cannot use the emulator state file: {1}"};
inline constexpr Phrase kNoController{"未找到手柄", "no controller found"};
inline constexpr Phrase kControllerBusy{
    "手柄忙：另一个程序占用它已超过数秒，未做任何操作；请稍后再试",
    "controller busy: another program has held it for more than a few seconds; nothing was "
    "done, try again later"};
inline constexpr Phrase kWindowOpen{
    "警告：{1}已在 {2} 上打开，它下次保存时会保留这次的更改，除非在窗口中也改了同一设置",
    "warning: {1} is open on {2}; its next Save keeps this change except for settings changed "
    "there too"};
inline constexpr Phrase kRealWindow{"PadControls 设置窗口", "the PadControls settings window"};
inline constexpr Phrase kDemoWindow{"PadControls 演示窗口", "the PadControls demo window"};
inline constexpr Phrase kReadFailed{"读取手柄设置失败", "reading the controller's settings failed"};
inline constexpr Phrase kWriteFailed{"写入手柄设置失败",
                                     "writing the settings to the controller failed"};
inline constexpr Phrase kReadBackFailed{
    "设置已写入，但无法读回校验",
    "the settings were written but could not be read back to check them"};
inline constexpr Phrase kDifferentAfterWrite{
    "手柄中的值与写入的值不同：", "the controller holds other values than were written:"};
inline constexpr Phrase kSlotDifference{"  槽位 {1}（{2}）：写入 {3}，手柄中为 {4}",
                                        "  slot {1} ({2}): wrote {3}, controller has {4}"};
inline constexpr Phrase kWrittenAndVerified{"已写入并校验（{1} 个槽位）",
                                            "written and verified ({1} slots)"};
inline constexpr Phrase kCannotReadFile{"无法读取 {1}：{2}", "cannot read {1}: {2}"};
inline constexpr Phrase kCannotWriteFile{"无法写入 {1}：{2}", "cannot write {1}: {2}"};
inline constexpr Phrase kBackupSaved{"备份已保存到 {1}", "backup saved to {1}"};
inline constexpr Phrase kBackupNotRestorable{
    "注意：手柄中有恢复时会被拒绝的值，此备份无法按原样恢复：",
    "note: the controller holds values that restore refuses, so this backup cannot be restored "
    "as it is:"};
inline constexpr Phrase kNotJson{"{1} 不是完整的 JSON：{2}", "{1} is not complete JSON: {2}"};
inline constexpr Phrase kNotBackup{"{1} 不是 padctl 备份文件", "{1} is not a padctl backup"};
inline constexpr Phrase kWrongFormatVersion{
    "{1} 的格式版本为 {2}；本程序读取版本 {3}",
    "{1} has format version {2}; this padctl reads version {3}"};
inline constexpr Phrase kBadSlotList{"{1}：\"slots\" 必须包含 {2} 个 0 到 65535 之间的整数",
                                     "{1}: \"slots\" must hold {2} whole numbers from 0 to 65535"};
inline constexpr Phrase kBadTextField{"{1}：\"{2}\" 必须是文本", "{1}: \"{2}\" must be text"};
inline constexpr Phrase kSlotNotKey{"槽位 {1}（{2}）：{3} 不是已知按键",
                                    "slot {1} ({2}): {3} is not a key of the vocabulary"};
inline constexpr Phrase kSlotBadLedMode{
    "槽位 {1}（灯光模式）：{2} 不是开关位加上效果 {3} 之一",
    "slot {1} (LED mode): {2} is not an on/off bit with one of the effects {3}"};
inline constexpr Phrase kKeyOfOtherPage{"{1}：{2} 是{a}；{1} 只接受{b}或{c}",
                                        "{1}: {2} is {a}; {1} takes {b} or {c}"};
inline constexpr Phrase kWordKeyboardKey{"键盘按键", "a keyboard key"};
inline constexpr Phrase kWordWheelDirection{"滚轮方向", "a wheel direction"};
inline constexpr Phrase kWordGamepadInput{"手柄按键", "a gamepad input"};
inline constexpr Phrase kStepAfterEmpty{"{1}：{2} 位于空的 {3} 之后；请先填写前面的步骤",
                                        "{1}: {2} follows an empty {3}; fill the earlier steps "
                                        "first"};
inline constexpr Phrase kDelayAfterEmpty{
    "{1}：{2} 位于空的 {3} 之后；只有有按键的步骤之后才有延迟",
    "{1}: {2} follows an empty {3}; a delay follows only a step that holds a key"};
inline constexpr Phrase kNoneEmptiesMore{"{1}=none 同时清空 {2}", "{1}=none also empties {2}"};
inline constexpr Phrase kHeldProblemsKept{
    "注意：手柄中已有窗口无法显示的值，本命令未改动它们：",
    "note: the controller already holds values the window cannot show; this command leaves "
    "them as they are:"};
inline constexpr Phrase kViewDisagrees{
    "{1}：\"settings\" 中的 \"{2}\" 与 \"slots\" 不符（恢复的是槽位值；请修改槽位或删除 "
    "\"settings\"）",
    "{1}: \"{2}\" in \"settings\" does not match \"slots\" (the slots are restored; edit them "
    "or remove \"settings\")"};
inline constexpr Phrase kNothingWritten{"未写入任何内容", "nothing was written"};
inline constexpr Phrase kOtherBoard{
    "注意：备份来自主板型号 \"{1}\"，当前为 \"{2}\"",
    "note: the backup comes from board model \"{1}\", this is \"{2}\""};
inline constexpr Phrase kResetNeedsYes{"reset 会写入出厂设置；请加 --yes 确认",
                                       "reset writes the factory values; add --yes to confirm"};
inline constexpr Phrase kResetQuestion{"将出厂设置写入手柄？[y/N] ",
                                       "Write the factory values to the controller? [y/N] "};
inline constexpr Phrase kProfileNeedsAction{"profile 需要 save、apply、list 或 remove",
                                            "profile needs save, apply, list or remove"};
inline constexpr Phrase kUnknownProfileAction{
    "未知的 profile 操作：{1}（可用 save、apply、list 或 remove）",
    "unknown profile action: {1} (save, apply, list or remove)"};
inline constexpr Phrase kProfileNeedsName{"profile {1} 需要指定名称", "profile {1} needs a NAME"};
inline constexpr Phrase kBadProfileName{
    "\"{1}\" 不能作为配置方案名称：需要普通文件名（非空，不含 '/'，不以 '.' 或 '-' 开头）",
    "\"{1}\" cannot name a profile: it must be a plain file name (not empty, no '/', not "
    "starting with '.' or '-')"};
inline constexpr Phrase kNoProfile{"没有名为 {1} 的配置方案（{2} 不存在）",
                                   "no profile named {1} ({2} does not exist)"};
inline constexpr Phrase kNoProfileFolder{
    "找不到配置方案文件夹：XDG_CONFIG_HOME 和 HOME 都不是绝对路径",
    "no folder for profiles: neither XDG_CONFIG_HOME nor HOME is an absolute path"};
inline constexpr Phrase kProfileRemoved{"已删除配置方案 {1}", "profile {1} removed"};
inline constexpr Phrase kCannotRemoveFile{"无法删除 {1}：{2}", "cannot remove {1}: {2}"};
inline constexpr Phrase kNotRegularFile{"{1} 不是普通文件", "{1} is not a regular file"};
inline constexpr Phrase kFileTooLarge{"{1} 过大（{2} 字节；备份文件最多 {3} 字节）",
                                      "{1} is too large ({2} bytes; a backup is at most {3})"};
inline constexpr Phrase kDuplicateKey{"{1}：\"{2}\" 出现了不止一次",
                                      "{1}: \"{2}\" is given more than once"};
inline constexpr Phrase kNotAVersion{"{1}：\"formatVersion\" 不是版本号（应为整数，如 1）",
                                     "{1}: \"formatVersion\" is not a version number (a whole "
                                     "number such as 1)"};
inline constexpr Phrase kSettingsNotObject{"{1}：\"settings\" 必须是由名称和值组成的对象",
                                           "{1}: \"settings\" must be an object of names and "
                                           "values"};
inline constexpr Phrase kSettingTwice{"{1} 被指定了不止一次", "{1} is given more than once"};
inline constexpr Phrase kCannotWriteOutput{"无法写入标准输出：{1}",
                                           "cannot write to standard output: {1}"};
inline constexpr Phrase kControllerOwnFile{
    "{1} 是手柄自己的文件，不能写入备份", "{1} is the controller's own file: no backup goes there"};
}  // namespace padctl

}  // namespace phrases
