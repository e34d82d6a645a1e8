#pragma once
// The edit of the drop-down field: a superclass of the system edit, a child
// of the shape laid over the field's middle. It hands the list keys to the
// list, so that the selection moves while the edit keeps the focus, opens and
// closes the list with F4, and closes it when it loses the focus.
#include <windows.h>

class TOwnerDrawComboboxElement;

class TComboEdit {
 public:
  static constexpr const char* kClassName = "VellumComboEdit";
  static constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;

  explicit TComboEdit(TOwnerDrawComboboxElement& owner) : owner_(owner) {}
  ~TComboEdit();
  TComboEdit(const TComboEdit&) = delete;
  TComboEdit& operator=(const TComboEdit&) = delete;

  bool Create(HWND shape, int id, HFONT font);
  HWND Handle() const { return edit_; }

 private:
  static LRESULT CALLBACK ProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Procedure(UINT msg, WPARAM wParam, LPARAM lParam);

  TOwnerDrawComboboxElement& owner_;
  HWND edit_ = nullptr;
};
