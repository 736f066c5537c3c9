// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <string>

#include "app/skin_page_controls.h"
#include "app/startup_read.h"
#include "keys/key_slots.h"
#include "models/model_layout.h"
#include "texts/phrases.h"
#include "ui/controls.h"
#include "ui/input_method.h"

namespace {
// What the system told about a failed start beyond "no", as a line for the user.
const Phrase* StartFailureReason(const ControllerDevice& device) {
  if (!device.handle && !device.deniedNode.empty()) {
    return device.deniedNodeTaken ? &phrases::kControllerTaken : &phrases::kNoPermission;
  }
  if (device.handle && device.handle->LastFault() == TransportFault::kUnsupported) {
    return &phrases::kKernelTooOld;
  }
  return nullptr;
}
}  // namespace

MainWindow::MainWindow(const WindowContext& context)
    : context_(context),
      device_(context_),
      pageControls_(std::make_unique<SkinPageControls>(m_pm)),
      mainMenu_(*pageControls_),
      backKeyPage_(*pageControls_, device_.config, keyTranslationTable_),
      controlKeyPage_(*pageControls_, device_.config, keyTranslationTable_, context_),
      selectedSlot_(kNoSlot) {
  m_pm.SetResourceFolder(context_.ResourceFolder());
  // Latin texts need not open the large Chinese font files.
  m_pm.SetChineseFontsAsFallback(!context_.UseChinese());
  FillKeyTranslationTable(keyTranslationTable_);
}

MainWindow::~MainWindow() = default;

QString MainWindow::WindowClassName() const {
  return QStringLiteral("PadControlsMainWnd");
}

QString MainWindow::SkinFileName() {
  return QStringLiteral("XmlMainWindow.xml");
}

CControlUI* MainWindow::Find(const char* name) const {
  return m_pm.FindControl(QString::fromLatin1(name));
}

void MainWindow::ApplyModelLayout() {
  const ModelLayout* layout = LayoutFor(LayoutNumberOf(context_.BoardModel()));
  if (layout == nullptr) return;  // unknown handheld: the skin's own pictures and places
  for (const auto& setting : layout->pictures) {
    ui::SetAttribute(Find(setting.control), QString::fromLatin1(setting.attribute),
                     QString::fromLatin1(setting.value));
  }
  for (const auto& setting : layout->positions) {
    ui::SetAttribute(Find(setting.control), QString::fromLatin1(setting.attribute),
                     QString::fromLatin1(setting.value));
  }
}

void MainWindow::OnWindowReady() {
  CenterWindow();
  if (m_pm.GetRoot() == nullptr) {
    // A read begun beside the building ends here too; its result is not used.
    if (startupRead_) startupRead_->Result();
    // Without its skin the window has no controls at all: say so rather than show a blank
    // window. The trace has the toolkit's reason.
    ShowMessage(phrases::kSkinBroken);
    PostQuitMessage(0);
    return;
  }
  // Keys are captured as plain key events; an input method would compose them into text.
  DisableInputMethod();
  BuildNotifyTable();
  ApplyModelLayout();
  ShowBackKeyPage(false);
  ShowControlKeyPage(false);
  ShowPageButtons(false);
  currentPage_ = Page::kMainMenu;
  ApplyLanguageTexts();

  if (StartDevice()) {
    deviceStarted_ = true;
    UpdateGamepadTick();
    return;
  }
  ShowMessage(phrases::kInitFailed, StartFailureReason(device_));
  PostQuitMessage(0);
}

void MainWindow::BeginStartupRead() {
  if (!startupRead_) startupRead_ = std::make_unique<StartupRead>(device_);
}

bool MainWindow::OpenAndReadAtStart() {
  if (!startupRead_) return OpenAndReadController(device_);
  const bool read = startupRead_->Result();
  startupRead_.reset();
  return read;
}

bool MainWindow::StartDevice() {
  if (!OpenAndReadAtStart()) return false;
  MarkShownController();
  firmwareText_ = QString::fromStdWString(device_.versionPartX + device_.versionPartK);
  ApplyLanguageTexts();
  mainMenu_.SetHelpTooltips(context_.UseChinese());
  return true;
}
