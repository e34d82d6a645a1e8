#pragma once
// A drop-down field of the framework's own, for texts that name files: a
// bordered field with the text's 16 x 16 icon at its left, an edit over its
// middle that completes what is typed from the history, and a drop button at
// its right that opens a floating list of the history with an icon beside
// every entry. The list floats above every window (it is re-parented to the
// desktop), so that it may reach past the shape's edges; only one list of the
// program is open at a time, and it closes when the edit or the list loses
// the focus. A file dropped on the field puts its name (a shortcut's target)
// in the edit. The history persists as the history elements keep theirs.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/elements/HistoryElements.h"

class TComboEdit;
class TFloatComboList;
class TIconSource;
class TShape;

class TOwnerDrawComboboxElement : public THistoryElement {
 public:
  static constexpr const char* kClassName = "VellumCombobox";
  // The field's height, border included.
  static constexpr int kFieldHeight = 22;
  // The drop button's width at the field's right edge, in client pixels.
  static constexpr int kButtonWidth = 14;

  // `width` of the field; `listHeight` of the open list.
  TOwnerDrawComboboxElement(int width, int listHeight);
  ~TOwnerDrawComboboxElement() override;

  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  bool OnCommand(int id, HWND control, int code) override;
  void Enable(bool on) override;
  void ToControls() override;
  void FromControls() override;

  HWND Field() const { return Control(); }
  HWND Edit() const;
  HWND List() const;
  int ListId() const;
  bool ListOpen() const;
  // The list's selected entry (kNoEntry: none).
  int ListSelection() const;
  TIconSource* CurrentIcon() const { return icon_; }
  bool IconSetByDrop() const { return iconByDrop_; }
  int ListHeight() const { return listHeight_; }
  void SetListHeight(int height) { listHeight_ = height; }

  void OpenList();
  void CloseList();
  // F4 and the drop button: closes an open list; otherwise closes any other
  // list of the program first and opens this one.
  void ToggleList();

 protected:
  // The icon shown for `text` in the field and in the list; none by default.
  // Sources are shared (the icon factories'), never owned here.
  virtual TIconSource* IconFor(const TString& text);
  TString ControlText() const override;

 private:
  friend class TComboEdit;
  friend class TFloatComboList;
  struct TEntry {
    TString text;
    TIconSource* icon;
  };

  static LRESULT CALLBACK FieldProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT FieldProcedure(UINT msg, WPARAM wParam, LPARAM lParam);
  RECT TextRect() const;
  RECT ButtonRect() const;
  void LayoutEdit();
  void PaintField();
  void MeasureEntry(MEASUREITEMSTRUCT& item) const;
  void DrawEntry(const DRAWITEMSTRUCT& item) const;
  void OnMouseDown(POINT point);
  void OnMouseMove(POINT point, WPARAM keys);
  void OnDropFiles(HDROP drop);
  // The edit's text set by the element, without the completion or change
  // handling the user's typing gets.
  void SetEditText(const TString& text);
  TString EditText() const;
  void TakeListSelection();
  void CompleteTyped();
  void TextChanged();
  void Changed();
  std::vector<TString> EntryTexts() const;

  TShape* shape_ = nullptr;
  HFONT font_ = nullptr;  // the shape's, shared
  std::unique_ptr<TComboEdit> edit_;
  std::unique_ptr<TFloatComboList> list_;
  std::vector<TEntry> entries_;  // in list order; an entry's index is its item data
  TIconSource* icon_ = nullptr;
  bool iconByDrop_ = false;
  int listHeight_;
  bool pressed_ = false;
  // What the user typed before the latest change, a completion's added part
  // not counted: completion needs to know whether the text grew.
  TString typed_;
  bool quiet_ = false;
};

// The first file of a drop on `window`, as a path of at most MAX_PATH
// characters; empty when its name is longer (the field leaves its text as it
// was). A shortcut (".lnk" in any case) gives its target when it can be read.
// Brings `window`'s top-level window to the front and ends the drop.
TString DroppedFileName(HWND window, HDROP drop);
