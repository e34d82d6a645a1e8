#pragma once
// Small element kinds the auto-iconize settings are built from: a label whose
// caption takes part in the shape's accelerator letters, a check box that
// falls back to its initial state when nothing is stored, and a column of
// icon push buttons whose buttons are enabled one by one.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/controls/ButtonDescriptor.h"
#include "framework/window/dialogs/MessageShape.h"
#include "framework/window/elements/CheckElement.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TElement.h"

// A one-line label with an accelerator keyword ("(&TITLE&)"): Alt and its
// letter move the focus to the control that follows it.
class TCaptionLabel : public TTextElement {
 public:
  explicit TCaptionLabel(const TString& caption, int width = -1);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;

 private:
  TString caption_;
};

// A persisted check box. Loading a section that lacks its value gives it its
// initial state again, so that cancelled changes never outlive a reload.
// `trailingGap` keeps that much room after the caption for a neighbour.
class TSettingCheck : public TCheckElement {
 public:
  TSettingCheck(const TString& caption, bool initial, const TString& settingsName, int trailingGap = 0);
  void Load(const TRegKeyList& keys) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  // The box as it shows now (a click not yet reported counts).
  bool Shown() const;

 private:
  bool initial_;
  int trailingGap_;
};

// Push buttons of the row's look (88 x 21, icon and caption) stacked 6 apart,
// `leftGap` pixels in from the element's left edge. Their commands go to the
// shape like any control's; the column closes nothing. A button is usable
// while the column is enabled and the button itself is.
class TAutoIconButtonColumn : public TElement {
 public:
  TAutoIconButtonColumn(std::initializer_list<TButtonSpec> buttons, int leftGap);
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void Enable(bool on) override;

  void EnableButton(int id, bool on);
  HWND Button(int id) const;
  const std::vector<TButtonDescriptor>& Buttons() const { return buttons_; }

 private:
  void Apply(size_t index);

  // Sized once: each button's binding keeps its descriptor's address.
  std::vector<TButtonDescriptor> buttons_;
  std::vector<bool> wanted_;
  bool columnOn_ = true;
  int leftGap_;
};
