#pragma once
// How many seconds after start-up the auto-iconize settings keep watching for
// new windows: an edit 28 pixels wide with an up-down beside it. Every change
// of the text is read at once (clamped to the bounds), and the text is
// written again from the value when the edit loses the focus. The value
// persists as a DWORD; a stored value is taken as it is, and a missing one
// gives the initial value again.
#include <windows.h>

#include "framework/window/elements/ControlElement.h"

class TWatchTimeElement : public TControlElement {
 public:
  static constexpr int kLower = 3;
  static constexpr int kUpper = 90;
  static constexpr int kInitial = 10;

  TWatchTimeElement();
  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  bool OnCommand(int id, HWND control, int code) override;
  void Enable(bool on) override;
  void ToControls() override;
  // Nothing to read: the value follows every change of the text.
  void FromControls() override {}

  int Value() const { return value_; }
  // The up-down is made when the dialog first shows (MakeUpDown): it needs the
  // common controls, which a program resting in the tray need not load.
  void MakeUpDown();
  HWND UpDown() const { return upDown_; }

 private:
  int value_ = kInitial;
  HWND upDown_ = nullptr;
  int upDownId_ = 0;
  // The element's own writes to the edit are no typing.
  bool writing_ = false;
};
