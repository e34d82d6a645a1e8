#pragma once
// Plain elements for building shapes in tests and in the demo program: a
// text, an icon painted on the shape, a check box and a push button, each
// with the caption protocol of real elements. They stand in for the
// product's element kinds, which build on the same base.
#include <windows.h>

#include <string>

#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TElement.h"
#include "framework/window/shapes/TShape.h"
#include "framework/window/shapes/pure/Captions.h"

// A control of a system class with a caption that may carry a keyword.
class TDemoControl : public TElement {
 public:
  TDemoControl(const char* className, DWORD style, const char* caption, int id = 0, int extraWidth = 0,
               int minimumHeight = 0)
      : className_(className), style_(style), caption_(caption), id_(id), extraWidth_(extraWidth),
        minimumHeight_(minimumHeight) {}

  TLayoutSize Measure(TShape& shape, HDC dc) override {
    shape.AddCaption(&caption_);
    const TString shown = ToDisplayText(MeasureCaption(caption_));
    RECT box{0, 0, 0, 0};
    DrawTextA(dc, shown.c_str(), -1, &box, DT_CALCRECT);
    const int height = static_cast<int>(box.bottom - box.top) + 8;
    size_ = {static_cast<int>(box.right - box.left) + extraWidth_, height > minimumHeight_ ? height : minimumHeight_};
    return size_;
  }
  void Create(TShape& shape, int x, int y) override {
    const int id = id_ != 0 ? id_ : shape.NextControlId();
    const TLayoutSize size = size_;
    window_ = CreateWindowExA(0, className_, ToDisplayText(caption_).c_str(), WS_CHILD | WS_VISIBLE | style_, x, y,
                              size.width, size.height, shape.Handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  }
  bool OnCommand(int id, HWND control, int /*code*/) override {
    if (control != window_ || window_ == nullptr) return false;
    ++commands;
    lastCommand = id;
    return true;
  }
  void Enable(bool on) override {
    if (window_ != nullptr) EnableWindow(window_, on ? TRUE : FALSE);
  }

  HWND Window() const { return window_; }
  const TString& Caption() const { return caption_; }
  int commands = 0;
  int lastCommand = 0;

 private:
  const char* className_;
  DWORD style_;
  TString caption_;
  int id_;
  int extraWidth_;
  int minimumHeight_;
  TLayoutSize size_;  // as measured, for Create
  HWND window_ = nullptr;
};

inline std::unique_ptr<TDemoControl> DemoText(const char* text) {
  return std::make_unique<TDemoControl>("STATIC", SS_LEFT | SS_NOPREFIX, text, 0, 4);
}
inline std::unique_ptr<TDemoControl> DemoCheckBox(const char* caption) {
  return std::make_unique<TDemoControl>("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, caption, 0, 24);
}
inline std::unique_ptr<TDemoControl> DemoButton(const char* caption, int id = 0) {
  return std::make_unique<TDemoControl>("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, caption, id, 24, 25);
}

// A fixed-size box (a static frame) for layout tests.
class TDemoBox : public TElement {
 public:
  TDemoBox(int width, int height) : size_{width, height} {}
  TLayoutSize Measure(TShape&, HDC) override { return size_; }
  void Create(TShape& shape, int x, int y) override {
    window_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDFRAME, x, y, size_.width,
                              size_.height, shape.Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  HWND Window() const { return window_; }

 private:
  TLayoutSize size_;
  HWND window_ = nullptr;
};

// An icon drawn on the shape itself: it joins the paint list and paints there.
class TDemoIcon : public TElement {
 public:
  explicit TDemoIcon(LPCSTR icon) : icon_(LoadIconA(nullptr, icon)) {}
  TLayoutSize Measure(TShape&, HDC) override { return {32, 32}; }
  void Create(TShape& shape, int x, int y) override {
    x_ = x;
    y_ = y;
    shape.AddToPaintList(this);
  }
  void Paint(TShape&, HDC dc) override {
    ++paints;
    DrawIconEx(dc, x_, y_, icon_, 32, 32, 0, nullptr, DI_NORMAL);
  }
  void OnShow(TShape&, bool shown) override { shownNotices += shown ? 1 : 0; }
  int paints = 0;
  int shownNotices = 0;

 private:
  HICON icon_;  // a shared system icon
  int x_ = 0;
  int y_ = 0;
};
