#pragma once
// The framework's dialog window: the base of the main window, dialogs, the
// emergency window and message boxes. Its virtual operations are the hooks a
// derived window overrides; its message loop is the program's main loop.
#include <windows.h>

#include "framework/base/Owners.h"
#include "framework/text/TString.h"
#include "framework/window/Accelerators.h"
#include "framework/window/TWindow.h"

class TRegKeyList;

// Settings interface of a shape: its content written to and read from keys.
class TShapeSettings {
 public:
  virtual ~TShapeSettings() = default;
  virtual void Save(TRegKeyList& keys) = 0;
  virtual void Load(TRegKeyList& keys) = 0;
  const TString& SettingsName() const { return settingsName_; }
  void SetSettingsName(const TString& name) { settingsName_ = name; }

 private:
  TString settingsName_;
};

// The dispatcher's answer: a result, or "not handled" (default processing).
struct TDispatchResult {
  bool handled;
  LRESULT result;
  static TDispatchResult NotHandled() { return {false, 0}; }
  static TDispatchResult Handled(LRESULT value) { return {true, value}; }
};

class TShape : public TWindow, public TShapeSettings {
 public:
  static constexpr const char* kClassName = "ShapeClass";
  static constexpr const char* kDialogProperty = "TShapeDlg";

  TShape(HWND owner, const char* title);
  ~TShape() override;

  // Virtual operations, in slot order.
  virtual HWND CreateHandle();
  virtual bool PreTranslate(MSG& msg);
  virtual void OnPrepare() {}
  virtual void OnInitialize() {}
  virtual bool CanClose() { return true; }
  virtual void OnClosing() {}
  virtual LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DlgProc(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual LRESULT OnSysCommand(WPARAM command, int x, int y);
  virtual LRESULT OnCommand(int id, HWND control, int code);
  virtual LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
  virtual void OnElementChange(void* /*element*/) {}
  void Save(TRegKeyList&) override {}
  void Load(TRegKeyList&) override {}

  static LRESULT CALLBACK PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK PreDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static void RegisterShapeClass();

  // Shows the shape modally with respect to its owner; returns its result code.
  int Run();
  // Shows the shape without a loop of its own; when it closes, the owner
  // receives WM_COMMAND(notifyCommand, result).
  void RunModeless(WORD notifyCommand);
  void EndShape(int result);

  void SetTitle(const TString& title);
  const TString& Title() const { return title_; }
  void SetMenu(HMENU menu) { menu_ = menu; }
  HMENU Menu() const { return menu_; }
  void SetStatusBar(int id) { statusBarId_ = id; }
  HWND StatusBar() const { return statusBar_; }
  void SetClosable(bool on) { closable_ = on; }
  void SetShow(bool on) { show_ = on; }
  int Result() const { return result_; }
  TAcceleratorTable& Accelerators() { return accelerators_; }

  // The build before the first show and the clean-up after the window has
  // gone; the loop and the modeless list call them.
  void Build();
  int CleanUp();
  // The message filter chain of an active shape: accelerators and Enter,
  // dialog navigation, then PreTranslate.
  bool FilterMessage(MSG& msg);
  // The window has gone (the modeless list found it so).
  void ClearHandle() { handle_ = nullptr; }

 protected:
  // The shared dispatcher of WndProc and DlgProc.
  TDispatchResult Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  // Closing after CanClose agreed: OnClosing and the owner's notice.
  void FinishClosing();

 private:
  TString title_;
  HMENU menu_ = nullptr;
  int result_ = 0;
  WORD notifyCommand_ = 0;
  int statusBarId_ = 0;
  HWND statusBar_ = nullptr;
  bool closable_ = true;
  bool show_ = true;
  bool ownerWasEnabled_ = false;
  bool disabledOwner_ = false;
  bool sounding_ = false;
  int controlIdCounter_ = 5000;
  TAcceleratorTable accelerators_;
  // The title-bar icons of a shape built as a dialog: its window only
  // borrows them.
  TIconHandle smallIcon_;
  TIconHandle bigIcon_;
};
