// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/paint_manager.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "ui/attribute_values.h"
#include "ui/control_impl.h"
#include "ui/control_widget.h"
#include "ui/focus_navigator.h"
#include "ui/picture_cache.h"
#include "ui/picture_path.h"
#include "ui/skin_builder.h"
#include "ui/skin_document.h"
#include "ui/skin_font.h"
#include "ui/trace.h"
#include "ui/window_fit.h"

namespace {

// Keeps the root control the size of the window it fills.
class RootFitter : public QObject {
 public:
  RootFitter(QWidget* host, std::function<void()> fit)
      : QObject(host), host_(host), fit_(std::move(fit)) {
    host->installEventFilter(this);
    fit_();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == host_ && event->type() == QEvent::Resize) fit_();
    return false;
  }

 private:
  QWidget* host_;
  std::function<void()> fit_;
};

}  // namespace

struct CPaintManagerUI::Impl {
  std::vector<std::unique_ptr<CControlUI>> controls;
  CControlUI* root = nullptr;
  QPointer<QWidget> host;
  std::map<int, QFont> fonts;
  std::vector<INotifyUI*> notifiers;
  QString lastError;
  QSize initSize;
  bool hasCaption = false;
  ui::Quad caption;
  QString title;
  QString resourceFolder;  // empty: "Resources" beside the program
  qreal contentScale = 1.0;
  bool chineseFontsAsFallback = false;
  // Controls by name, the first in skin order for a name used twice; built on the first find
  // after the controls or their names change. Finds run on every tick of the gamepad poll.
  mutable QHash<QString, CControlUI*> byName;
  mutable bool byNameCurrent = false;
  std::unique_ptr<ui::FocusNavigator> navigator;

  void Clear() {
    root = nullptr;
    controls.clear();
    byNameCurrent = false;
    fonts.clear();
    hasCaption = false;
    initSize = QSize();
    title.clear();
    contentScale = 1.0;
  }

  // The root fills the window; it is laid out in skin pixels, the window's size unscaled.
  void FitRoot() {
    QWidget* rootWidget = root != nullptr ? root->GetWidget() : nullptr;
    if (rootWidget == nullptr || host.isNull()) return;
    const QSize skinSize = contentScale == 1.0
                               ? host->size()
                               : QSize(int(std::lround(host->width() / contentScale)),
                                       int(std::lround(host->height() / contentScale)));
    const bool skinResized = root->impl_->skinSize != skinSize;
    root->impl_->skinSize = skinSize;
    const bool resized = rootWidget->size() != host->size();
    rootWidget->setGeometry(host->rect());
    if (skinResized && !resized) root->impl_->Relayout();
  }
};

CPaintManagerUI::CPaintManagerUI() : impl_(std::make_unique<Impl>()) {
  impl_->navigator = std::make_unique<ui::FocusNavigator>(*this);
}

CPaintManagerUI::~CPaintManagerUI() {
  // Controls go parents first; a parent's widget takes its children's widgets along.
  impl_->Clear();
}

QString CPaintManagerUI::GetInstancePath() {
  QString path = QCoreApplication::applicationDirPath();
  if (!path.endsWith('/')) path += '/';
  return path;
}

void CPaintManagerUI::SetResourceFolder(const QString& folder) {
  impl_->resourceFolder = folder;
}

void CPaintManagerUI::SetChineseFontsAsFallback(bool fallback) {
  impl_->chineseFontsAsFallback = fallback;
}

QString CPaintManagerUI::ResourceFolder() const {
  if (!impl_->resourceFolder.isEmpty()) return impl_->resourceFolder;
  return GetInstancePath() + QStringLiteral("Resources");
}

bool CPaintManagerUI::LoadSkin(const QString& skinFile, QWidget* host) {
  Impl& d = *impl_;
  d.Clear();
  d.lastError.clear();
  d.host = host;
  const QString path = QDir::isAbsolutePath(skinFile)
                           ? skinFile
                           : QDir::cleanPath(ResourceFolder() + QLatin1Char('/') + skinFile);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    d.lastError = QStringLiteral("cannot open skin %1: %2").arg(path, file.errorString());
    ui::Trace(d.lastError);
    return false;
  }
  ui::SkinElement window;
  QString error;
  if (!ui::ParseSkinDocument(file.readAll(), window, error)) {
    d.lastError = QStringLiteral("skin %1 is malformed: %2").arg(path, error);
    ui::Trace(d.lastError);
    return false;
  }

  for (const auto& [name, value] : window.attributes) {
    if (name == "size") {
      if (const auto size = ui::ParseSize(value)) d.initSize = *size;
    } else if (name == "caption") {
      if (const auto caption = ui::ParseQuad(value)) {
        d.caption = *caption;
        d.hasCaption = true;
      }
    } else if (name == "title") {
      d.title = value;
    } else if (name != "bkcolor") {
      ui::Trace(QStringLiteral("skin: unknown window attribute %1=\"%2\"").arg(name, value));
    }
  }
  if (host != nullptr) {
    if (d.initSize.isValid()) {
      // A screen too small for the skin at the system's scale gets the whole window smaller.
      const ui::WindowFit fit = ui::FitWindowOnScreen(d.initSize, host);
      d.contentScale = fit.contentScale;
      host->resize(fit.windowSize);
    }
    if (const auto color = ui::ParseColor(window.Attribute("bkcolor"))) {
      QPalette palette = host->palette();
      palette.setColor(QPalette::Window, QColor::fromRgba(*color));
      host->setPalette(palette);
      host->setAutoFillBackground(true);
    }
  }

  for (const ui::SkinElement& element : window.children) {
    if (element.tag == "Font") {
      const auto id = ui::ParseInt(element.Attribute("id"));
      if (!id) {
        ui::Trace(QStringLiteral("skin line %1: <Font> without a numeric id").arg(element.line));
        continue;
      }
      d.fonts[*id] = ui::SkinFont(
          element.Attribute("name"), ui::ParseInt(element.Attribute("size")).value_or(0),
          ui::ParseBool(element.Attribute("bold")).value_or(false), d.chineseFontsAsFallback);
    } else if (d.root == nullptr) {
      d.root = SkinBuilder::Build(this, element, nullptr, host, d.controls);
    } else {
      ui::Trace(QStringLiteral("skin line %1: a second root control <%2> is ignored")
                    .arg(element.line)
                    .arg(element.tag));
    }
  }
  d.byNameCurrent = false;
  // The program finds controls by name; a second control of the same name is unreachable.
  QSet<QString> names;
  for (const auto& control : d.controls) {
    const QString name = control->GetName();
    if (name.isEmpty()) continue;
    if (names.contains(name)) {
      ui::Trace(
          QStringLiteral("skin: the name '%1' is used twice; the first one is found").arg(name));
    }
    names.insert(name);
  }
  if (d.root != nullptr && host != nullptr && d.root->GetWidget() != nullptr) {
    new RootFitter(host, [&d] { d.FitRoot(); });
  }
  return true;
}

QString CPaintManagerUI::LastError() const {
  return impl_->lastError;
}

CControlUI* CPaintManagerUI::FindControl(const QString& name) const {
  if (name.isEmpty()) return nullptr;
  Impl& d = *impl_;
  if (!d.byNameCurrent) {
    d.byName.clear();
    for (const auto& control : d.controls) {
      const QString controlName = control->GetName();
      if (!controlName.isEmpty() && !d.byName.contains(controlName)) {
        d.byName.insert(controlName, control.get());
      }
    }
    d.byNameCurrent = true;
  }
  return d.byName.value(name, nullptr);
}

void CPaintManagerUI::ControlRenamed() {
  impl_->byNameCurrent = false;
}

std::vector<CControlUI*> CPaintManagerUI::AllControls() const {
  std::vector<CControlUI*> all;
  all.reserve(impl_->controls.size());
  for (const auto& control : impl_->controls) all.push_back(control.get());
  return all;
}

bool CPaintManagerUI::Navigate(ui::Navigation request) {
  return impl_->navigator->Navigate(request);
}
CControlUI* CPaintManagerUI::GetFocus() const {
  return impl_->navigator->Focused();
}
bool CPaintManagerUI::FocusFirst() {
  return impl_->navigator->FocusFirst();
}
void CPaintManagerUI::SetFocusVisible(bool visible) {
  impl_->navigator->SetVisible(visible);
}
bool CPaintManagerUI::FocusVisible() const {
  return impl_->navigator->Visible();
}
bool CPaintManagerUI::HandleNavigationKey(const ui::KeyEvent& key) {
  return impl_->navigator->HandleKey(key);
}
void CPaintManagerUI::FocusMoved() {
  impl_->navigator->Moved();
}

CControlUI* CPaintManagerUI::GetRoot() const {
  return impl_->root;
}

std::vector<CControlUI*> CPaintManagerUI::FindOptionGroup(const QString& group) const {
  std::vector<CControlUI*> options;
  if (group.isEmpty()) return options;
  for (const auto& control : impl_->controls) {
    auto* option = dynamic_cast<COptionUI*>(control.get());
    if (option != nullptr && option->GetGroup() == group) options.push_back(option);
  }
  return options;
}

QSize CPaintManagerUI::GetInitSize() const {
  return impl_->initSize;
}

qreal CPaintManagerUI::ContentScale() const {
  return impl_->contentScale;
}

qreal CPaintManagerUI::PictureRatio() const {
  const qreal screenRatio = impl_->host.isNull()
                                ? (qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0)
                                : impl_->host->devicePixelRatioF();
  return screenRatio * impl_->contentScale;
}

QRect CPaintManagerUI::GetCaptionRect() const {
  const Impl& d = *impl_;
  if (!d.hasCaption) return {};
  const int width =
      d.host.isNull() ? d.initSize.width() : int(std::lround(d.host->width() / d.contentScale));
  const int right = d.caption.c > d.caption.a ? d.caption.c : width;
  return QRect(QPoint(d.caption.a, d.caption.b), QPoint(right - 1, d.caption.d - 1));
}

QString CPaintManagerUI::GetWindowTitle() const {
  return impl_->title;
}
QWidget* CPaintManagerUI::GetHost() const {
  return impl_->host.data();
}

QFont CPaintManagerUI::GetFont(int index) const {
  const auto it = impl_->fonts.find(index);
  if (it == impl_->fonts.end()) return QApplication::font();
  return it->second;
}

QPixmap CPaintManagerUI::GetImage(const QString& value) const {
  return ui::CachedPicture(ui::ResolvePicturePath(value, GetInstancePath(), ResourceFolder()),
                           PictureRatio() > 1.0);
}

void CPaintManagerUI::AddNotifier(INotifyUI* notifier) {
  if (notifier == nullptr) return;
  auto& list = impl_->notifiers;
  if (std::find(list.begin(), list.end(), notifier) == list.end()) list.push_back(notifier);
}

void CPaintManagerUI::SendNotify(CControlUI* sender, const QString& type) {
  TNotifyUI msg;
  msg.sType = type;
  msg.pSender = sender;
  // A handler may add notifiers; walk a copy.
  const std::vector<INotifyUI*> notifiers = impl_->notifiers;
  for (INotifyUI* notifier : notifiers) notifier->Notify(msg);
}

bool CPaintManagerUI::HandleCaptionPress(const QPoint& point) {
  Impl& d = *impl_;
  if (d.host.isNull()) return false;
  // A press in the caption area drags the window, unless it lands on something clickable. The
  // caption is given in skin pixels.
  const QPoint inSkin(int(std::lround(point.x() / d.contentScale)),
                      int(std::lround(point.y() / d.contentScale)));
  if (!GetCaptionRect().contains(inSkin)) return false;
  for (QWidget* w = d.host->childAt(point); w != nullptr && w != d.host; w = w->parentWidget()) {
    if (w->inherits("QComboBox")) return false;
    if (w->inherits("QAbstractSlider")) return false;
    // Qt's own buttons over the skin (the key picker's keys) are clickable too.
    if (w->inherits("QAbstractButton")) return false;
    for (const auto& control : d.controls) {
      if (control->GetWidget() == w) {
        const QString kind = control->GetClass();
        if (kind == "Button" || kind == "Option" || kind == "Combo" || kind == "Slider") {
          return false;
        }
      }
    }
  }
  QWindow* window = d.host->windowHandle();
  if (window == nullptr) return false;
  window->startSystemMove();
  return true;
}
