#include <windows.h>

#include "framework/window/dropdown/FloatComboList.h"

#include "framework/window/core/TWindow.h"
#include "framework/window/core/WindowUtils.h"

namespace {

TSuperclass g_floatList;

TRectangle ToRectangle(const RECT& r) {
  return TRectangle{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                    static_cast<int>(r.bottom)};
}

bool StepOfScroll(WORD code, TListStep& step) {
  switch (code) {
    case SB_LINEUP: step = TListStep::LineUp; return true;
    case SB_LINEDOWN: step = TListStep::LineDown; return true;
    case SB_PAGEUP: step = TListStep::PageUp; return true;
    case SB_PAGEDOWN: step = TListStep::PageDown; return true;
    case SB_TOP: step = TListStep::Top; return true;
    case SB_BOTTOM: step = TListStep::Bottom; return true;
    default: return false;
  }
}

bool StepOfKey(WPARAM key, TListStep& step) {
  switch (key) {
    case VK_UP: step = TListStep::LineUp; return true;
    case VK_DOWN: step = TListStep::LineDown; return true;
    case VK_PRIOR: step = TListStep::PageUp; return true;
    case VK_NEXT: step = TListStep::PageDown; return true;
    default: return false;
  }
}

}  // namespace

TFloatComboList::~TFloatComboList() { Destroy(); }

bool TFloatComboList::Create(HWND field, HWND edit, int id, HFONT font) {
  if (!g_floatList.Register("LISTBOX", kClassName, ProcedureOf)) return false;
  field_ = field;
  edit_ = edit;
  id_ = id;
  // Created as the field's child, so that the list box takes the field as the
  // owner of its notices and drawing; only then does it float.
  list_ = CreateWindowExA(kExStyle, kClassName, kTitle, kStyle, 0, 0, 10, 10, field,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
  if (list_ == nullptr) return false;
  g_floatList.Bind(list_, this);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetParent(list_, GetDesktopWindow());
  return true;
}

void TFloatComboList::Destroy() {
  if (list_ == nullptr) return;
  if (IsWindow(list_)) {
    g_floatList.Bind(list_, nullptr);
    KillTimer(list_, kScrollTimer);
    // Under its field again, so that nothing of the list outlives the shape.
    if (field_ != nullptr && IsWindow(field_)) SetParent(list_, field_);
    DestroyWindow(list_);
  }
  list_ = nullptr;
}

bool TFloatComboList::IsOpen() const { return list_ != nullptr && IsWindowVisible(list_); }

int TFloatComboList::Selection() const {
  if (list_ == nullptr) return kNoEntry;
  const LRESULT selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? kNoEntry : static_cast<int>(selected);
}

void TFloatComboList::Select(int entry) {
  if (list_ != nullptr) SendMessageA(list_, LB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

void TFloatComboList::Open(int height) {
  if (list_ == nullptr || field_ == nullptr) return;
  RECT field{};
  RECT screen{};
  GetWindowRect(field_, &field);
  GetWindowRect(GetDesktopWindow(), &screen);
  const TRectangle place = PlaceDropList(ToRectangle(field), FittedHeight(height), ToRectangle(screen));
  // Never activated: the shape would take its own deactivation for a click
  // elsewhere and close the list again.
  SetWindowPos(list_, HWND_TOPMOST, place.left, place.top, place.Width(), place.Height(),
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  const int selected = Selection();
  if (selected != kNoEntry) SendMessageA(list_, LB_SETTOPINDEX, static_cast<WPARAM>(selected), 0);
  InvalidateRect(field_, nullptr, FALSE);
}

int TFloatComboList::FittedHeight(int wanted) const {
  RECT window{};
  RECT client{};
  GetWindowRect(list_, &window);
  GetClientRect(list_, &client);
  const LRESULT entries = SendMessageA(list_, LB_GETCOUNT, 0, 0);
  const LRESULT entryHeight = SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0);
  if (entries == LB_ERR || entryHeight == LB_ERR) return wanted;
  return DropListHeight(wanted, static_cast<int>(entries), static_cast<int>(entryHeight),
                        static_cast<int>((window.bottom - window.top) - (client.bottom - client.top)));
}

void TFloatComboList::Close() {
  if (!IsOpen()) return;
  ShowWindow(list_, SW_HIDE);
  ReleaseCapture();
  KillTimer(list_, kScrollTimer);
  scrolling_ = false;
  // The drop button's pressed look goes with the list.
  if (field_ != nullptr) InvalidateRect(field_, nullptr, FALSE);
}

void TFloatComboList::Toggle(int height) {
  if (IsOpen()) {
    Close();
    return;
  }
  // One open list in the program: every other one is told it lost the focus.
  PostToWindowsOf(nullptr, kClassName, kTitle, WM_KILLFOCUS, 0, 0);
  MSG own;
  while (PeekMessageA(&own, list_, WM_KILLFOCUS, WM_KILLFOCUS, PM_REMOVE)) {
  }
  Open(height);
}

int TFloatComboList::VisibleEntries() const {
  RECT client{};
  GetClientRect(list_, &client);
  const LRESULT itemHeight = SendMessageA(list_, LB_GETITEMHEIGHT, 0, 0);
  if (itemHeight == LB_ERR || itemHeight <= 0) return 1;
  return static_cast<int>((client.bottom - client.top) / itemHeight);
}

void TFloatComboList::Step(TListStep step, int page) {
  const LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
  if (count == LB_ERR || count <= 0) return;
  const int next = StepSelection(Selection(), static_cast<int>(count), step, page);
  if (next == kNoEntry) return;
  Select(next);
  ReportSelection(true);
}

void TFloatComboList::ReportSelection(bool post) {
  if (field_ == nullptr) return;
  const WPARAM command = MAKEWPARAM(id_, LBN_SELCHANGE);
  const LPARAM control = reinterpret_cast<LPARAM>(list_);
  if (post) {
    PostMessageA(field_, WM_COMMAND, command, control);
  } else {
    SendMessageA(field_, WM_COMMAND, command, control);
  }
}

void TFloatComboList::OnMouseMove(POINT point) {
  mouse_ = point;
  const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
  if (HIWORD(hit) == 0) {
    if (scrolling_) {
      KillTimer(list_, kScrollTimer);
      scrolling_ = false;
    }
    const int entry = LOWORD(hit);
    if (entry != Selection()) Select(entry);
    return;
  }
  if (!scrolling_) scrolling_ = SetTimer(list_, kScrollTimer, kScrollPeriodMs, nullptr) != 0;
}

void TFloatComboList::OnScrollTick() {
  RECT client{};
  GetClientRect(list_, &client);
  const int direction = AutoScrollDirection(mouse_.x, mouse_.y, ToRectangle(client));
  if (direction == 0) return;
  const LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
  if (count == LB_ERR || count <= 0) return;
  Select(StepSelection(Selection(), static_cast<int>(count),
                       direction < 0 ? TListStep::LineUp : TListStep::LineDown));
}

void TFloatComboList::OnClick(POINT point) {
  RECT client{};
  GetClientRect(list_, &client);
  if (PtInRect(&client, point)) {
    const LRESULT hit = SendMessageA(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) == 0) Select(LOWORD(hit));
    // Sent before closing, so that the field reads the list as the user saw it.
    ReportSelection(false);
  }
  Close();
}

LRESULT CALLBACK TFloatComboList::ProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return g_floatList.Dispatch(hwnd, msg, wParam, lParam, &TFloatComboList::list_, &TFloatComboList::Procedure);
}

LRESULT TFloatComboList::Procedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (list_ == nullptr) return 0;
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (!IsOpen()) return 0;
      OnMouseMove(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_TIMER:
      if (wParam != kScrollTimer) break;
      OnScrollTick();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      if (!IsOpen()) return 0;
      OnClick(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_KEYDOWN: {
      TListStep step;
      if (!StepOfKey(wParam, step)) break;
      Step(step, IsOpen() ? VisibleEntries() : 1);
      return 0;
    }
    case WM_VSCROLL: {
      if (IsOpen()) break;
      TListStep step;
      if (StepOfScroll(LOWORD(wParam), step)) Step(step, 1);
      return 0;
    }
    case WM_KILLFOCUS:
      Close();
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam != FALSE) break;
      Close();
      if (field_ != nullptr && IsWindow(field_)) return DefWindowProcA(GetParent(field_), msg, wParam, lParam);
      return 0;
    case WM_SETCURSOR:
      if (edit_ != nullptr && IsWindow(edit_)) return SendMessageA(edit_, msg, wParam, lParam);
      break;
    default:
      break;
  }
  return g_floatList.CallSystem(list_, msg, wParam, lParam);
}
