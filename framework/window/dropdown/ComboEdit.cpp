#include <windows.h>

#include "framework/window/dropdown/ComboEdit.h"

#include <shellapi.h>

#include "framework/window/core/TWindow.h"
#include "framework/window/dropdown/ComboElement.h"
#include "framework/window/dropdown/FloatComboList.h"

namespace {

TSuperclass g_comboEdit;

}  // namespace

TComboEdit::~TComboEdit() {
  if (edit_ != nullptr && IsWindow(edit_)) g_comboEdit.Bind(edit_, nullptr);
}

bool TComboEdit::Create(HWND shape, int id, HFONT font) {
  if (!g_comboEdit.Register("EDIT", kClassName, ProcedureOf)) return false;
  edit_ = CreateWindowExA(0, kClassName, "", kStyle, 0, 0, 0, 0, shape,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
  if (edit_ == nullptr) return false;
  g_comboEdit.Bind(edit_, this);
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  DragAcceptFiles(edit_, TRUE);
  return true;
}

LRESULT CALLBACK TComboEdit::ProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return g_comboEdit.Dispatch(hwnd, msg, wParam, lParam, &TComboEdit::edit_, &TComboEdit::Procedure);
}

LRESULT TComboEdit::Procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  TFloatComboList* list = owner_.list_.get();
  switch (msg) {
    case WM_KEYDOWN:
      if (wParam == VK_F4) {
        owner_.ToggleList();
        return 0;
      }
      if ((wParam == VK_PRIOR || wParam == VK_NEXT || wParam == VK_UP || wParam == VK_DOWN) && list != nullptr) {
        return list->Procedure(msg, wParam, lParam);
      }
      break;
    case WM_VSCROLL:
      if (list == nullptr) break;
      if (!list->IsOpen()) {
        // A held wheel or key queues scrolls faster than the closed list
        // shows them: only the first counts.
        MSG queued;
        while (PeekMessageA(&queued, edit_, WM_VSCROLL, WM_VSCROLL, PM_REMOVE)) {
        }
      }
      if (owner_.Field() != nullptr) InvalidateRect(owner_.Field(), nullptr, FALSE);
      return list->Procedure(msg, wParam, 0);
    case WM_KILLFOCUS:
      owner_.CloseList();
      break;
    case WM_DROPFILES:
      if (owner_.Field() != nullptr) return SendMessageA(owner_.Field(), msg, wParam, lParam);
      break;
    default:
      break;
  }
  return g_comboEdit.CallSystem(edit_, msg, wParam, lParam);
}
