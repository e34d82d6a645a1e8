#pragma once
// An edit box laid over part of a window to change one text in place (a list
// entry's name). It runs a message loop of its own while the user types, so
// that the keys reach the box and never the accelerators or default button of
// the window under it. Enter confirms, and so do a click anywhere else and the
// window's losing the activation; Esc cancels. The box stays until its object
// goes, so a caller that refuses the text can let the user go on editing it.
#include <windows.h>

#include "framework/text/TString.h"

class TFloatingEdit {
 public:
  // A child of `parent` at `rect` (the parent's client co-ordinates) with
  // `font` (null: the system font), showing `text`.
  TFloatingEdit(HWND parent, const RECT& rect, HFONT font, const TString& text);
  ~TFloatingEdit();
  TFloatingEdit(const TFloatingEdit&) = delete;
  TFloatingEdit& operator=(const TFloatingEdit&) = delete;

  // Focuses the box with its whole text selected and returns when the user
  // has confirmed (true) or cancelled (false). A click that confirms stays in
  // the queue and does what it would have done. The parent's going, or the
  // end of the program's loop (WM_QUIT, passed on), cancels.
  bool Run();
  TString Text() const;
  HWND Handle() const { return edit_; }

  static constexpr const char* kClassName = "FloatingEdit";

 private:
  enum class TEnd { Open, Confirmed, Cancelled };
  static LRESULT CALLBACK ProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Procedure(UINT msg, WPARAM wParam, LPARAM lParam);
  // A mouse button pressed on another window than the box, or on a window
  // that is not the parent's nor one of its children, ends the edit.
  bool IsClickElsewhere(const MSG& msg) const;

  HWND edit_ = nullptr;
  HWND parent_ = nullptr;
  TEnd end_ = TEnd::Open;
  bool running_ = false;
};
