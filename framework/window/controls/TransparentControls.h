#pragma once
// The child controls of shapes: superclasses of the system edit, static and
// button that paint themselves over the shape's background without a box of
// their own, and owner-drawn push buttons with a 16 x 16 icon before the
// caption. The black frame of the button that Enter presses follows the
// focus: the focused push button has it; with no push button focused, the
// row's default button.
//
// A control is created with a null creation parameter and bound to its
// object afterwards; until then it is the plain system control. The object's
// first field is the control's handle. A push button's object is its
// TButtonDescriptor, whose isDefault marks the default button.
#include <windows.h>

#include "framework/window/controls/ButtonDescriptor.h"

constexpr const char* kTransparentEditClass = "TransparentEdit";
constexpr const char* kTransparentStaticClass = "TransparentStatic";
constexpr const char* kTransparentButtonClass = "TransparentButton";
constexpr const char* kTransparentPushButtonClass = "TransparentPushButton";

// The size of a row's push button before its window exists.
constexpr int kPushButtonWidth = 88;
constexpr int kPushButtonHeight = 21;

// The class procedures: with no object bound yet, each is the system's.
struct TTransparentEditbox {
  static LRESULT CALLBACK PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
struct TTransparentStatic {
  static LRESULT CALLBACK PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
// "TransparentButton" and "TransparentPushButton" share this one.
struct TTransparentButton {
  static LRESULT CALLBACK PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

// Registers the four classes (once per process) and tells the keyboard
// translation which push button is the default one.
void RegisterTransparentClasses();

// Binds a transparent edit, static or check/group button to its object,
// right after CreateWindowExA returned.
void BindTransparentControl(HWND control, void* object);
// Binds a push button to its descriptor (and the descriptor to the button),
// and gives the button the descriptor's icon: 16 x 16 as its small icon,
// 32 x 32 as its big one. The source keeps both icons.
void BindPushButton(HWND button, TButtonDescriptor* descriptor);
// The descriptor of a bound push button; null for anything else.
TButtonDescriptor* PushButtonDescriptor(HWND button);

// The parent's WM_DRAWITEM for an owner-drawn "TransparentPushButton":
// paints the whole button and returns true; false for any other item.
bool DrawTransparentPushButton(const DRAWITEMSTRUCT& item);
// WM_MEASUREITEM of a push button: its window's size, or the row's size
// while `button` does not exist yet.
void MeasurePushButton(HWND button, MEASUREITEMSTRUCT& item);
