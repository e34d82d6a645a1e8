#pragma once
// The framework's dialog window: the base of the main window, dialogs, the
// emergency window and message boxes. Its virtual operations are the hooks a
// derived window overrides; its message loop is the program's main loop.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/base/Owners.h"
#include "framework/text/TString.h"
#include "framework/window/core/Accelerators.h"
#include "framework/window/core/ShapeCommands.h"
#include "framework/window/core/TWindow.h"
#include "framework/window/core/pure/Rectangle.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TElement.h"
#include "framework/window/shapes/pure/Snapping.h"

class TIconMenu;
class TRegKeyList;


// Closes every open drop-down list of the program (they close on losing the
// focus); true when one was open.
bool CloseOpenDropDownLists();

// A worker that flashes `window`'s caption `count` times, `interval` ms each
// way (-1: the caret blink time), and ends by itself.
void FlashWindowAsync(HWND window, int count, int interval);

// Settings interface of a shape: its content written to and read from keys.
class TShapeSettings {
 public:
  virtual ~TShapeSettings() = default;
  virtual void Save(const TRegKeyList& keys) = 0;
  virtual void Load(const TRegKeyList& keys) = 0;
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

class TShape : public TWindow, public TShapeSettings, public TModeless {
 public:
  static constexpr const char* kClassName = "ShapeClass";

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
  // The content, in the shape's own section when it has a settings name.
  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;

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
  // `id` 0: none; -1: the id just below the generated ones (kGeneratedIdBase).
  // With `whenShown`, the bar is made when EnsureStatusBar is called before
  // the shape is first shown, not with its window: a shape that stays hidden
  // most of its life need not load the common controls at the start.
  void SetStatusBar(int id, bool whenShown = false) {
    statusBarId_ = id;
    statusBarWhenShown_ = whenShown;
  }
  void EnsureStatusBar();
  HWND StatusBar() const { return statusBar_; }
  // The menu help text the status bar shows, and whether its item is usable.
  const TString& StatusText() const { return statusText_; }
  bool StatusEnabled() const { return statusEnabled_; }
  void SetClosable(bool on) { closable_ = on; }
  void SetShow(bool on) { show_ = on; }
  int Result() const { return result_; }
  TAcceleratorTable& Accelerators() { return accelerators_; }

  // The content: a group docked to fill, centred, with gaps of 12.
  TGroupElement& Content() { return content_; }
  template <class... Elements>
  void AddContent(Elements&&... elements) {
    (content_.Add(TElementPointer(std::forward<Elements>(elements))), ...);
  }
  // What elements use while the shape is built.
  void AddCaption(TString* caption);
  void AddToPaintList(TElement* element);
  // Generated control ids count from kGeneratedIdBase + 1 in every build.
  static constexpr int kGeneratedIdBase = 5000;
  int NextControlId() { return ++controlIdCounter_; }
  // A message sound this shape started; closing the shape stops it.
  bool Sounding() const { return sounding_; }
  void SetSounding(bool on) { sounding_ = on; }
  HFONT Font() const;
  // An element with context-help ids asks for the caption's help button.
  void RequestContextHelp() { contextHelp_ = true; }
  // Where this shape's help opens in the manual: the section named after its
  // placement unless one is set.
  void SetHelpSection(const TString& section) { helpSection_ = section; }
  const TString& HelpSection() const { return helpSection_.IsEmpty() ? placementName_ : helpSection_; }

  // Placement: remembered under `name` in `keys` (null: section "Serialize" of
  // the application's keys); an empty name remembers nothing.
  void SetPlacementName(const TString& name) { placementName_ = name; }
  void SetPlacementKeys(const TRegKeyList* keys) { placementKeys_ = keys; }
  bool SavePlacement();
  bool RestorePlacement();
  void CenterOnScreen();
  void MoveToCursor();
  void SetClientSize(int width, int height);
  void SetMoveSnapping(bool on) { moveSnapping_ = on; }
  void SetSizeSnapping(bool on) { sizeSnapping_ = on; }

  // The shape that recolours the background pictures when the colour scheme
  // changes (the application's main window); with none, every shape does.
  static void SetMainShape(TShape* shape);

  // Translucency, where the system has layered windows.
  static bool HasLayering();
  void SetTranslucent(bool on);
  void ApplyAlpha(BYTE alpha);
  void ApplyColorKey(COLORREF colour);

  // The build before the first show and the clean-up after the window has
  // gone; the loop and the modeless list call them.
  void Build();
  int CleanUp();
  // The message filter chain of an active shape: nothing for the keys a
  // control takes itself, else accelerators and Enter, dialog navigation,
  // then PreTranslate.
  bool FilterMessage(MSG& msg);
  // The window has gone (the modeless list found it so).
  void ClearHandle() { handle_ = nullptr; }

 protected:
  // The shared dispatcher of WndProc and DlgProc.
  TDispatchResult Dispatch(UINT msg, WPARAM wParam, LPARAM lParam);
  // Closing after CanClose agreed: OnClosing and the owner's notice.
  void FinishClosing();

 private:
  // The modeless list's view of the shape.
  HWND ModelessWindow() const override { return handle_; }
  bool FilterModelessMessage(MSG& msg) override { return FilterMessage(msg); }
  void ForgetWindow() override;

  void ExtendSystemMenu();
  void CreateContent();
  void MakeHelpMenu();
  void MakeStatusBar();
  void PositionAfterBuild();
  void CheckPositionCommand(UINT command);
  void OnPaint();
  // Selects and realises the background picture's palette, where it has one;
  // true when colours changed.
  bool RealizeShapePalette(bool background);
  void OnMenuSelect(UINT item, UINT flags, HMENU menu);
  void OnContextMenu(HWND window, int x, int y);
  void OnHelp(const HELPINFO& help);
  void BeginSnapping();
  void SnapWhileMoving(RECT& rect);
  void SnapWhileSizing(int edge, RECT& rect);
  void EndSnapping();
  TRectangle WindowRectangle() const;
  TRectangle CursorRectangle() const;
  LRESULT OnShapeSysCommand(WPARAM command, int x, int y, bool& handled);
  void DrawStatusPart(const DRAWITEMSTRUCT& item);
  void ShowContextHelp();

  TString title_;
  HMENU menu_ = nullptr;
  int result_ = 0;
  WORD notifyCommand_ = 0;
  int statusBarId_ = 0;
  HWND statusBar_ = nullptr;
  bool statusBarWhenShown_ = false;
  TString statusText_;
  bool statusEnabled_ = true;
  bool closable_ = true;
  bool show_ = true;
  bool ownerWasEnabled_ = false;
  bool disabledOwner_ = false;
  bool sounding_ = false;
  int controlIdCounter_ = kGeneratedIdBase;
  TAcceleratorTable accelerators_;
  TGroupElement content_{kDockFill, kAlignCentre, 12, 12};
  int horizontalMargin_ = 12;
  int verticalMargin_ = 12;
  bool contextHelp_ = false;
  std::vector<TString*> captions_;
  std::vector<TElement*> paintList_;
  TMenuHandle helpMenu_;
  // The owner-drawn forms of the system menu and the help popup; both are
  // released before the menus they draw.
  std::unique_ptr<TIconMenu> systemIcons_;
  std::unique_ptr<TIconMenu> helpIcons_;
  HWND helpTarget_ = nullptr;
  HMENU positionMenu_ = nullptr;  // part of the system menu, which the window owns
  TString placementName_;
  TString helpSection_;
  const TRegKeyList* placementKeys_ = nullptr;
  bool moveSnapping_ = true;
  bool sizeSnapping_ = false;
  bool snapping_ = false;
  TSnapEdges snapEdges_;
  TRectangle moveStart_;
  TRectangle lastRectangle_;
  // The title-bar icons of a shape built as a dialog: its window only
  // borrows them.
  TIconHandle smallIcon_;
  TIconHandle bigIcon_;
};
