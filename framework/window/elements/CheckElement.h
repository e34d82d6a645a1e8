#pragma once
// Check boxes and radio groups whose state persists under their settings
// name, each choice optionally carrying a dependent element that is usable
// only while its box is ticked or its choice is chosen.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/elements/ControlElement.h"

class TCheckElement : public TControlElement {
 public:
  // A width of -1 lets the caption decide (its width plus the mark's 20).
  TCheckElement(const TString& caption, bool ticked, int width = -1);
  // The element enabled only while the box is ticked; the check owns it and
  // lays it out right after itself (the caller docks it).
  TElement* SetDependent(TElementPointer dependent);

  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  bool OnCommand(int id, HWND control, int code) override;
  void Enable(bool on) override;
  void ToControls() override;
  void FromControls() override;
  void OnClose(TShape& shape) override;

  bool Ticked() const { return ticked_; }
  void SetTicked(bool ticked);
  TString& Caption() { return caption_; }

 private:
  void EnableDependent();

  TString caption_;
  bool ticked_;
  int width_;
  bool enabled_ = true;
  TShape* shape_ = nullptr;
  TElementPointer dependent_;
  TLayoutSize ownSize_;
};

// A choice of a radio group: the value it stands for, its caption, and an
// optional element usable only while it is chosen.
struct TRadioChoice {
  DWORD value;
  TString caption;
  TElementPointer dependent;
};

// Radio buttons in a group box; the value of the chosen one persists.
class TRadioGroupElement : public TElement {
 public:
  TRadioGroupElement(const TString& caption, DWORD initialValue);
  void AddChoice(DWORD value, const TString& caption, TElementPointer dependent = nullptr);

  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  bool OnCommand(int id, HWND control, int code) override;
  void Enable(bool on) override;
  void ToControls() override;
  void FromControls() override;

  DWORD Value() const { return value_; }
  void SetValue(DWORD value);

 private:
  void EnableDependents();

  TString caption_;
  DWORD value_;
  std::vector<TRadioChoice> choices_;
  std::vector<HWND> buttons_;
  std::vector<int> ids_;
  std::vector<TLayoutSize> sizes_;  // each button's own size
  std::vector<int> heights_;        // each choice's height, its dependent included
  HWND box_ = nullptr;
  bool enabled_ = true;
  TShape* shape_ = nullptr;
  TLayoutSize size_;
};
