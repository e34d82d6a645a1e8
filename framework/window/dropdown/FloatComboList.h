#pragma once
// The drop-down field's list: a superclass of the system list box, created as
// the field's child for its owner and id, then re-parented to the desktop so
// that it floats above every window, and put back before it is destroyed.
// It follows the mouse (the entry under the cursor is selected), scrolls
// itself one entry per tick while the mouse is held above or below it, and
// reports a click as a selection change to the field. While it is closed the
// edit's keys step its selection, each step reported the same way.
#include <windows.h>

#include "framework/window/dropdown/pure/ComboChoice.h"

class TFloatComboList {
 public:
  static constexpr const char* kClassName = "FloatComboListClass";
  static constexpr const char* kTitle = "DropDownList";
  static constexpr DWORD kStyle =
      WS_CHILD | WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE | LBS_SORT | LBS_NOTIFY;
  static constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  static constexpr UINT_PTR kScrollTimer = 1000;
  static constexpr UINT kScrollPeriodMs = 500;

  TFloatComboList() = default;
  ~TFloatComboList();
  TFloatComboList(const TFloatComboList&) = delete;
  TFloatComboList& operator=(const TFloatComboList&) = delete;

  // `edit` receives the list's cursor questions.
  bool Create(HWND field, HWND edit, int id, HFONT font);
  // Back under the field, then gone; again harmless.
  void Destroy();
  HWND Handle() const { return list_; }
  int Id() const { return id_; }
  bool IsOpen() const;
  int Selection() const;
  void Select(int entry);

  // At most `height` pixels tall, cut to whole entries and to what they need.
  void Open(int height);
  void Close();
  void Toggle(int height);

  // The list's own handling; the edit hands its list keys and scrolls here.
  LRESULT Procedure(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK ProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Step(TListStep step, int page);
  void ReportSelection(bool post);
  void OnMouseMove(POINT point);
  void OnClick(POINT point);
  void OnScrollTick();
  int VisibleEntries() const;
  int FittedHeight(int wanted) const;

  HWND list_ = nullptr;
  HWND field_ = nullptr;
  HWND edit_ = nullptr;
  int id_ = 0;
  POINT mouse_{0, 0};  // the last cursor position seen, in client co-ordinates
  bool scrolling_ = false;
};
