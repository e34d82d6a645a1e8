#pragma once
// The content of a shape: a tree of elements instead of a dialog template. An
// element measures itself, creates its windows where its group places it,
// answers the commands of its controls, paints what it draws on the shape, and
// saves and loads its state. Groups arrange their children by dock rules.
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/shapes/pure/DockLayout.h"

class TRegKeyList;
class TShape;

class TElement {
 public:
  TElement() = default;
  TElement(const TElement&) = delete;
  TElement& operator=(const TElement&) = delete;
  virtual ~TElement() = default;

  virtual void Save(const TRegKeyList& /*keys*/) {}
  virtual void Load(const TRegKeyList& /*keys*/) {}
  // The gaps of a group; other elements ignore them.
  virtual void SetSpacing(int /*horizontal*/, int /*vertical*/) {}
  // Its size in pixels with the shape's font selected into `dc`; captions
  // that may carry an accelerator keyword join the shape's caption list here.
  virtual TLayoutSize Measure(TShape& shape, HDC dc) = 0;
  // Creates its windows at (x, y) of the shape's client area, with ids from
  // the shape's counter.
  virtual void Create(TShape& /*shape*/, int /*x*/, int /*y*/) {}
  // After the shape's loop has ended.
  virtual void OnClose(TShape& /*shape*/) {}
  // Paints what it draws on the shape itself.
  virtual void Paint(TShape& /*shape*/, HDC /*dc*/) {}
  // True when the command, menu, notice or scroll belonged to one of its controls.
  virtual bool OnCommand(int /*id*/, HWND /*control*/, int /*code*/) { return false; }
  virtual bool OnContextMenu(HWND /*window*/, int /*x*/, int /*y*/) { return false; }
  virtual bool OnNotify(WPARAM /*wParam*/, LPARAM /*lParam*/) { return false; }
  virtual bool OnScroll(HWND /*bar*/, int /*code*/, int /*position*/) { return false; }
  virtual void Enable(bool /*on*/) {}
  // The element's state into its windows, and back.
  virtual void ToControls() {}
  virtual void FromControls() {}
  // Only elements that paint on the shape (they join its paint list in Create).
  virtual void OnShow(TShape& /*shape*/, bool /*shown*/) {}

  // The value or section name it is saved under; empty: not persisted.
  const TString& SettingsName() const { return settingsName_; }
  void SetSettingsName(const TString& name) { settingsName_ = name; }
  int Dock() const { return dock_; }
  int Align() const { return align_; }
  void SetDock(int dock) { dock_ = dock; }
  void SetAlign(int align) { align_ = align; }

 private:
  TString settingsName_;
  int dock_ = kDockLeft;
  int align_ = kAlignLeft;
};

using TElementPointer = std::unique_ptr<TElement>;

// Children arranged by their dock and align values, with gaps between them and
// an optional caption drawn as a group box around them. The group owns its
// children unless they are added as shared; they keep the order in which they
// were added.
class TGroupElement : public TElement {
 public:
  TGroupElement(int dock, int align, int horizontalGap, int verticalGap);

  // Takes the child; returns it for the caller that keeps a reference.
  TElement* Add(TElementPointer child);
  // A child someone else owns and keeps alive while the group is used (a
  // message's elements on its caller's stack, the shared icon elements).
  TElement* AddShared(TElement* child);
  template <class Element>
  Element* Add(std::unique_ptr<Element> child) {
    Element* kept = child.get();
    Add(TElementPointer(std::move(child)));
    return kept;
  }
  size_t Count() const { return children_.size(); }
  TElement& Child(size_t index) const { return *children_[index]; }

  void SetCaption(const TString& caption) { caption_ = caption; }
  const TString& Caption() const { return caption_; }
  // The group box of a captioned group, once created.
  HWND Box() const { return box_; }

  void Save(const TRegKeyList& keys) override;
  void Load(const TRegKeyList& keys) override;
  void SetSpacing(int horizontal, int vertical) override;
  TLayoutSize Measure(TShape& shape, HDC dc) override;
  void Create(TShape& shape, int x, int y) override;
  void OnClose(TShape& shape) override;
  void Paint(TShape& shape, HDC dc) override;
  bool OnCommand(int id, HWND control, int code) override;
  bool OnContextMenu(HWND window, int x, int y) override;
  bool OnNotify(WPARAM wParam, LPARAM lParam) override;
  bool OnScroll(HWND bar, int code, int position) override;
  void Enable(bool on) override;
  void ToControls() override;
  void FromControls() override;

  // Where the last measure put each child, relative to the group.
  const TDockLayout& Layout() const { return layout_; }

 private:
  std::vector<TElement*> children_;  // in order, owned or shared
  std::vector<TElementPointer> owned_;
  int horizontalGap_;
  int verticalGap_;
  TString caption_;
  TDockLayout layout_;
  HWND box_ = nullptr;
};

// A group of the given children (each a std::unique_ptr to an element).
template <class... Children>
std::unique_ptr<TGroupElement> MakeGroup(int dock, int align, int horizontalGap, int verticalGap,
                                         Children&&... children) {
  auto group = std::make_unique<TGroupElement>(dock, align, horizontalGap, verticalGap);
  (group->Add(TElementPointer(std::forward<Children>(children))), ...);
  return group;
}
