#pragma once

#include <QString>
#include <memory>

#include "ui/paint_manager.h"
#include "ui/win_types.h"

// A native window: a frameless top-level widget whose input reaches HandleMessage as window
// messages (key, wheel, focus, timer, system command...).
namespace ui {
class HostWidget;
class WindowMessageFilter;
}  // namespace ui

class CWindowWnd {
 public:
  CWindowWnd();
  virtual ~CWindowWnd();

  HWND GetHWND() const;
  operator HWND() const { return GetHWND(); }

  // Creates the window. x, y, cx, cy may be CW_USEDEFAULT (the skin's size is used).
  HWND Create(HWND parent, const QString& caption, UINT style, UINT exStyle, int x = CW_USEDEFAULT,
              int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT);
  void ShowWindow(bool show = true);
  void CenterWindow();
  // The window's icon, from the picture file at that path.
  void SetIcon(const QString& pictureFile);
  LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Ticks arrive as WM_TIMER with wParam = id on the UI thread.
  bool SetTimer(UINT_PTR id, UINT periodMs);
  void KillTimer(UINT_PTR id);

  virtual QString WindowClassName() const = 0;
  // Default processing of a message (the last routing stage).
  virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);

 protected:
  virtual void OnCreated() {}
  struct Impl;
  std::unique_ptr<Impl> impl_;
  friend class ui::HostWidget;
  friend class ui::WindowMessageFilter;
};

// The skin-driven window: builds its skin on Create, calls OnWindowReady once with every
// control in place, routes messages to the hooks below and notifications to Notify.
class WindowImplBase : public CWindowWnd, public INotifyUI {
 public:
  WindowImplBase();
  ~WindowImplBase() override;

  virtual QString SkinFileName() = 0;
  virtual void OnWindowReady() {}
  void Notify(TNotifyUI& msg) override;

  // Default router: the message goes to its hook, then HandleCustomMessage, then the manager,
  // then CWindowWnd::HandleMessage, each stage only while the handled flag is false.
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);

  // Hooks with the toolkit's default handling. Each default clears bHandled unless it
  // consumed the message.
  virtual LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnSize(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnClose(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnGetMinMaxInfo(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnNcCalcSize(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnNcHitTest(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnNcPaint(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnNcActivate(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnChar(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnSetFocus(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnKillFocus(UINT, WPARAM, LPARAM, bool& bHandled);
  // SC_MINIMIZE minimises, SC_RESTORE restores, SC_CLOSE closes the window.
  virtual LRESULT OnSysCommand(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnTimer(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnMouseMove(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnMouseWheel(UINT, WPARAM, LPARAM, bool& bHandled);
  virtual LRESULT OnMouseHover(UINT, WPARAM, LPARAM, bool& bHandled);

  CPaintManagerUI& GetManager() { return m_pm; }

 protected:
  // The stages after a message's hook: unless the hook kept the message (handled), it goes
  // to HandleCustomMessage, then the manager, then default processing. Routers that keep
  // their own hook table end with this.
  LRESULT FinishRouting(UINT uMsg, WPARAM wParam, LPARAM lParam, bool handled, LRESULT hookResult);

  CPaintManagerUI m_pm;

 private:
  void OnCreated() override;
};
