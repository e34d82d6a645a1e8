#pragma once
// A field that records a global key: pressing a combination in it shows and
// keeps that combination, BackSpace or Delete alone switches the key off, and
// nothing can be typed or pasted. A combination no field takes (see
// IsUsableHotKey) leaves the field as it was. The key persists as a DWORD
// (HotKeyText.h); a missing value gives the default again.
#include <windows.h>

#include "app/keys/pure/HotKeyText.h"
#include "framework/window/elements/ControlElement.h"

class THotKeyField : public TControlElement {
 public:
  THotKeyField(const TString& settingsName, THotKey initial);
  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void ToControls() override;
  // Nothing to read: the key follows every press.
  void FromControls() override {}

  THotKey Key() const { return key_; }
  // As a press in the field would.
  void SetKey(const THotKey& key);

 private:
  static LRESULT CALLBACK FieldProc(HWND field, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnKey(UINT key);

  THotKey initial_;
  THotKey key_;
  WNDPROC editProc_ = nullptr;
};

// The text of a key for the user, with the system's name for keys the table lacks.
TString HotKeyDisplayText(const THotKey& key);
