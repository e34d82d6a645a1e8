#pragma once
// A list box and a combo box that remember what the user entered: the texts
// persist, most recent first, in a section named by the element, and a
// list's selected text beside it as "SelectText".
#include <windows.h>

#include <vector>

#include "framework/text/TString.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/elements/pure/History.h"

class THistoryElement : public TControlElement {
 public:
  THistoryElement(int width, int height) : width_(width), height_(height) {}

  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;

  const std::vector<TString>& History() const { return history_; }
  const TString& Current() const { return current_; }
  void SetCurrent(const TString& text) { current_ = text; }
  // `text` on top of the history (the control's current text when null);
  // see History.h for the limit.
  void AddToHistory(const TString* text, int limit);

 protected:
  // The list element keeps its selection beside the section.
  virtual bool KeepsSelection() const { return false; }
  // The control's current text.
  virtual TString ControlText() const = 0;

  std::vector<TString> history_;
  TString current_;

 private:
  int width_;
  int height_;
};

class TListElement : public THistoryElement {
 public:
  using THistoryElement::THistoryElement;
  void Create(TShape& shape, int x, int y) override;
  void ToControls() override;
  void FromControls() override;

 protected:
  bool KeepsSelection() const override { return true; }
  TString ControlText() const override;
};

class TComboElement : public THistoryElement {
 public:
  // The second form keeps its scroll bar shown and starts with a text.
  TComboElement(int width, int height, bool keepScrollBar = false, const TString& initialText = TString());
  void Create(TShape& shape, int x, int y) override;
  void ToControls() override;
  void FromControls() override;

 protected:
  TString ControlText() const override;

 private:
  bool keepScrollBar_;
};
