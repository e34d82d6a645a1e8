#include <windows.h>

#include "framework/window/core/TWindow.h"

#include <cstdlib>

HINSTANCE ProgramInstance() { return GetModuleHandleA(nullptr); }

TWindow* BindOnCreate(HWND hwnd, UINT msg, LPARAM lParam) {
  auto* object = reinterpret_cast<TWindow*>(GetWindowLongPtrA(hwnd, 0));
  if (object != nullptr) return object;
  if (msg != WM_CREATE) return nullptr;
  const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
  object = create ? static_cast<TWindow*>(create->lpCreateParams) : nullptr;
  if (object == nullptr) return nullptr;
  SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(object));
  object->AttachHandle(hwnd);
  return object;
}

LRESULT CALLBACK TWindow::PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindow* object = BindOnCreate(hwnd, msg, lParam);
  if (object == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return DefaultProcessing(*object, msg, wParam, lParam);
}

void InitWindowClass(WNDCLASSA& record) {
  record = WNDCLASSA{};
  record.style = CS_HREDRAW | CS_VREDRAW;
  record.lpfnWndProc = TWindow::PreWndProc;
  record.cbClsExtra = 0;
  record.cbWndExtra = sizeof(void*);
  record.hInstance = ProgramInstance();
  record.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  record.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  record.lpszMenuName = nullptr;
  record.lpszClassName = "VellumWindowClass";
}

void RegisterWindowClass(const WNDCLASSA& record) {
  WNDCLASSA existing{};
  if (GetClassInfoA(record.hInstance, record.lpszClassName, &existing)) return;
  if (RegisterClassA(&record) == 0) std::exit(kExitNoWindowClass);
}

HWND CreateObjectWindow(TWindow* object, const char* className, const char* title, DWORD style,
                        int x, int y, int width, int height, HWND parent, HMENU menu) {
  return CreateObjectWindow(0, object, className, title, style, x, y, width, height, parent, menu);
}

HWND CreateObjectWindow(DWORD exStyle, TWindow* object, const char* className, const char* title,
                        DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu) {
  return CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                         ProgramInstance(), object);
}

LRESULT DefaultProcessing(const TWindow& object, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(object.Handle(), msg, wParam, lParam);
}

bool TSuperclass::Register(const char* systemName, const char* newName, WNDPROC proc) {
  WNDCLASSA record{};
  if (GetClassInfoA(ProgramInstance(), newName, &record)) {
    if (systemProc != nullptr) return true;
  }
  if (!GetClassInfoA(nullptr, systemName, &record)) return false;
  systemProc = record.lpfnWndProc;
  systemExtraBytes = record.cbWndExtra;
  record.hInstance = ProgramInstance();
  record.lpfnWndProc = proc;
  record.cbWndExtra = systemExtraBytes + static_cast<int>(sizeof(void*));
  record.lpszClassName = newName;
  RegisterWindowClass(record);
  return true;
}

void TSuperclass::Bind(HWND control, void* object) const {
  SetWindowLongPtrA(control, systemExtraBytes, reinterpret_cast<LONG_PTR>(object));
}

void* TSuperclass::ObjectOf(HWND control) const {
  return reinterpret_cast<void*>(GetWindowLongPtrA(control, systemExtraBytes));
}

LRESULT TSuperclass::CallSystem(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (systemProc == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return CallWindowProcA(systemProc, hwnd, msg, wParam, lParam);
}
