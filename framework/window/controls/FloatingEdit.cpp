#include <windows.h>

#include "framework/window/controls/FloatingEdit.h"

#include "framework/window/core/TWindow.h"
#include "framework/window/core/WindowUtils.h"

namespace {

TSuperclass g_floatingEdit;

bool IsButtonDown(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

}  // namespace

TFloatingEdit::TFloatingEdit(HWND parent, const RECT& rect, HFONT font, const TString& text) : parent_(parent) {
  if (!g_floatingEdit.Register("EDIT", kClassName, ProcedureOf)) return;
  edit_ = CreateWindowExA(0, kClassName, text.c_str(), WS_CHILD | WS_BORDER | ES_AUTOHSCROLL | ES_LEFT, rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                          ProgramInstance(), nullptr);
  if (edit_ == nullptr) return;
  g_floatingEdit.Bind(edit_, this);
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
  // Above its siblings, so that the control it covers never paints over it.
  SetWindowPos(edit_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

TFloatingEdit::~TFloatingEdit() {
  if (edit_ == nullptr || !IsWindow(edit_)) return;
  // Unbound first: the box's last messages find no object.
  g_floatingEdit.Bind(edit_, nullptr);
  DestroyWindow(edit_);
}

TString TFloatingEdit::Text() const {
  return edit_ != nullptr ? OwnWindowText(edit_) : TString();
}

bool TFloatingEdit::IsClickElsewhere(const MSG& msg) const {
  if (!IsButtonDown(msg.message)) return false;
  return msg.hwnd != edit_;
}

bool TFloatingEdit::Run() {
  if (edit_ == nullptr || !IsWindow(edit_) || running_) return false;
  running_ = true;
  end_ = TEnd::Open;
  SetFocus(edit_);
  SendMessageA(edit_, EM_SETSEL, 0, -1);
  MSG msg;
  while (end_ == TEnd::Open) {
    if (!IsWindow(edit_) || !IsWindow(parent_)) {
      end_ = TEnd::Cancelled;
      break;
    }
    // Waits without taking the message, so that a click that ends the edit
    // is left for whoever reads the queue next.
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      WaitMessage();
      continue;
    }
    if (IsClickElsewhere(msg)) {
      end_ = TEnd::Confirmed;
      break;
    }
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) continue;
    if (msg.message == WM_QUIT) {
      end_ = TEnd::Cancelled;
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  running_ = false;
  return end_ == TEnd::Confirmed;
}

LRESULT CALLBACK TFloatingEdit::ProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* object = static_cast<TFloatingEdit*>(g_floatingEdit.ObjectOf(hwnd));
  if (object == nullptr || object->edit_ != hwnd) return g_floatingEdit.CallSystem(hwnd, msg, wParam, lParam);
  return object->Procedure(msg, wParam, lParam);
}

LRESULT TFloatingEdit::Procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | g_floatingEdit.CallSystem(edit_, msg, wParam, lParam);
    case WM_KEYDOWN:
      if (running_ && wParam == VK_RETURN) {
        end_ = TEnd::Confirmed;
        return 0;
      }
      if (running_ && wParam == VK_ESCAPE) {
        end_ = TEnd::Cancelled;
        return 0;
      }
      break;
    case WM_CHAR:
      // The single-line edit would beep at these.
      if (wParam == '\r' || wParam == 0x1B) return 0;
      break;
    case WM_KILLFOCUS:
      // The focus went elsewhere: another program took the activation, or a
      // window of this one took the keyboard.
      if (running_ && end_ == TEnd::Open) end_ = TEnd::Confirmed;
      break;
    default:
      break;
  }
  return g_floatingEdit.CallSystem(edit_, msg, wParam, lParam);
}
