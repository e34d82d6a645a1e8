#pragma once
// Window objects: every window the program creates is owned by one object,
// found from the window through its extra bytes. The object outlives its
// window; the window is destroyed first.
#include <windows.h>

class TWindow {
 public:
  explicit TWindow(HWND owner = nullptr) : handle_(nullptr), owner_(owner) {}
  TWindow(const TWindow&) = delete;
  TWindow& operator=(const TWindow&) = delete;
  virtual ~TWindow() = default;

  HWND Handle() const { return handle_; }
  HWND Owner() const { return owner_; }
  void SetOwner(HWND owner) { owner_ = owner; }

  static LRESULT CALLBACK PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  // Set by the binding at WM_CREATE and cleared when the window has gone.
  void AttachHandle(HWND hwnd) { handle_ = hwnd; }
  friend TWindow* BindOnCreate(HWND, UINT, LPARAM);
  friend class TShape;

  HWND handle_;
  HWND owner_;
};

// The binding shared by every own class: the object from the extra bytes, or,
// at WM_CREATE, from the creation parameter (then stored). Null before
// WM_CREATE: those messages get default processing and never reach an object.
TWindow* BindOnCreate(HWND hwnd, UINT msg, LPARAM lParam);

// The program's module instance (the exe; tests link the same code).
HINSTANCE ProgramInstance();

// Fills a class record with the framework's template ("VellumWindowClass").
void InitWindowClass(WNDCLASSA& record);
// The exit status of a process that could not register a window class.
constexpr int kExitNoWindowClass = 3;
// Registers once per process. A class that can be neither found nor
// registered leaves nothing to show: the process ends at once with
// kExitNoWindowClass, so that whoever started it sees the failure.
void RegisterWindowClass(const WNDCLASSA& record);

HWND CreateObjectWindow(TWindow* object, const char* className, const char* title, DWORD style,
                        int x, int y, int width, int height, HWND parent, HMENU menu);
HWND CreateObjectWindow(DWORD exStyle, TWindow* object, const char* className, const char* title,
                        DWORD style, int x, int y, int width, int height, HWND parent, HMENU menu);

LRESULT DefaultProcessing(const TWindow& object, UINT msg, WPARAM wParam, LPARAM lParam);

// A superclass of a system control: the system procedure and extra-byte count
// are remembered, and the object pointer lives in 4 bytes appended after the
// system class's own, so the control's own state stays intact.
struct TSuperclass {
  WNDPROC systemProc = nullptr;
  int systemExtraBytes = 0;
  // Registers `newName` from `systemName` once; false when the system class is unknown.
  bool Register(const char* systemName, const char* newName, WNDPROC proc);
  // Binds the object after CreateWindowExA returned, so creation itself runs
  // as the plain system control.
  void Bind(HWND control, void* object) const;
  void* ObjectOf(HWND control) const;
  LRESULT CallSystem(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) const;

  // The window procedure of a superclass whose object keeps its control in
  // `handle` and answers through `procedure`: messages before the binding, or
  // for a control that is no longer the object's, go to the system class; at
  // WM_NCDESTROY the binding and the object's handle are dropped.
  template <class T>
  LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, HWND T::*handle,
                   LRESULT (T::*procedure)(UINT, WPARAM, LPARAM)) const {
    auto* object = static_cast<T*>(ObjectOf(hwnd));
    if (object == nullptr || object->*handle != hwnd) return CallSystem(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      Bind(hwnd, nullptr);
      object->*handle = nullptr;
      return CallSystem(hwnd, msg, wParam, lParam);
    }
    return (object->*procedure)(msg, wParam, lParam);
  }
};
