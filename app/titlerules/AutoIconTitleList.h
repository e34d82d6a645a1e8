#pragma once
// The list of title texts of the auto-iconize settings: a list box in the
// user's order (never sorted), each entry drawn with the window-in-the-tray
// icon before it. It persists like every list element: one value per entry
// in a section named by the element, ending at the first gap, and the
// selected entry beside it as "SelectText". Entries are found byte for byte.
#include <windows.h>

#include "framework/text/TString.h"
#include "framework/text/TTextList.h"
#include "framework/window/elements/HistoryElements.h"

class TIconSource;

class TTitleListElement : public TListElement {
 public:
  // The icon is kept by its source for the whole run.
  TTitleListElement(int width, int height, TIconSource* icon);

  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  // Fills the box and selects the current text.
  void ToControls() override;
  // The box's entries and selection back into the element.
  void FromControls() override;

  // The entries as the box shows them now (the element's own before it exists).
  TTextList Entries() const;
  int Count() const;
  int Find(const TString& text) const;
  TString EntryText(int index) const;
  // Appends and returns the new entry's index.
  int Append(const TString& text);
  void Replace(int index, const TString& text);
  void Remove(int index);
  // Selects entry `index` (none when -1) and makes its text the current one.
  void Select(int index);
  // Selects the entry holding the current text, or none.
  void SelectCurrent();
  // Entry `index`'s rectangle in the box's client co-ordinates.
  RECT EntryRectangle(int index) const;

  // The entry under a floating edit shows no selection (-1: none is).
  void SetEditedEntry(int index);

  // The shape hands the box's owner-draw messages here.
  bool MeasureEntry(MEASUREITEMSTRUCT& item) const;
  bool DrawEntry(const DRAWITEMSTRUCT& item) const;

 private:
  TIconSource* icon_;
  int entryHeight_ = 18;
  int editedEntry_ = -1;
};
