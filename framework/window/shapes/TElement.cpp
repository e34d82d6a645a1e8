#include <windows.h>

#include "framework/window/shapes/TElement.h"

#include "framework/registry/RegSection.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TShape.h"

namespace {
// The group box takes no commands: its id is the "no id" of static controls.
constexpr int kGroupBoxId = -1;
}  // namespace

TGroupElement::TGroupElement(int dock, int align, int horizontalGap, int verticalGap)
    : horizontalGap_(horizontalGap), verticalGap_(verticalGap) {
  SetDock(dock);
  SetAlign(align);
}

TElement* TGroupElement::Add(TElementPointer child) {
  if (!child) return nullptr;
  owned_.push_back(std::move(child));
  children_.push_back(owned_.back().get());
  return children_.back();
}

TElement* TGroupElement::AddShared(TElement* child) {
  if (child != nullptr) children_.push_back(child);
  return child;
}

void TGroupElement::Save(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) {
    for (TElement* child : children_) child->Save(keys);
    return;
  }
  TRegSection section = OpenSection(keys, SettingsName());
  for (TElement* child : children_) child->Save(section.Keys());
}

void TGroupElement::Load(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) {
    for (TElement* child : children_) child->Load(keys);
    return;
  }
  TRegSection section = OpenSection(keys, SettingsName());
  for (TElement* child : children_) child->Load(section.Keys());
}

void TGroupElement::SetSpacing(int horizontal, int vertical) {
  horizontalGap_ = horizontal;
  verticalGap_ = vertical;
}

TLayoutSize TGroupElement::Measure(TShape& shape, HDC dc) {
  std::vector<TDockChild> measured;
  measured.reserve(children_.size());
  for (TElement* child : children_) {
    measured.push_back({child->Dock(), child->Align(), child->Measure(shape, dc)});
  }
  const bool captioned = !caption_.IsEmpty();
  if (captioned) shape.AddCaption(&caption_);
  layout_ = LayOutDock(measured, horizontalGap_, verticalGap_, captioned);
  return layout_.size;
}

void TGroupElement::Create(TShape& shape, int x, int y) {
  box_ = nullptr;
  if (!caption_.IsEmpty()) {
    box_ = CreateWindowExA(0, "TransparentButton", ToDisplayText(caption_).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                           x, y, layout_.size.width, layout_.size.height, shape.Handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGroupBoxId)), ProgramInstance(),
                           nullptr);
  }
  BindTransparentControl(box_, &box_);
  for (size_t i = 0; i < children_.size() && i < layout_.offsets.size(); ++i) {
    children_[i]->Create(shape, x + layout_.offsets[i].x, y + layout_.offsets[i].y);
  }
  // Below its children, so that it never covers them or takes their clicks.
  if (box_ != nullptr) SetWindowPos(box_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TGroupElement::OnClose(TShape& shape) {
  for (TElement* child : children_) child->OnClose(shape);
}

void TGroupElement::Paint(TShape& shape, HDC dc) {
  for (TElement* child : children_) child->Paint(shape, dc);
}

bool TGroupElement::OnCommand(int id, HWND control, int code) {
  for (TElement* child : children_) {
    if (child->OnCommand(id, control, code)) return true;
  }
  return false;
}

bool TGroupElement::OnContextMenu(HWND window, int x, int y) {
  for (TElement* child : children_) {
    if (child->OnContextMenu(window, x, y)) return true;
  }
  return false;
}

bool TGroupElement::OnNotify(WPARAM wParam, LPARAM lParam) {
  for (TElement* child : children_) {
    if (child->OnNotify(wParam, lParam)) return true;
  }
  return false;
}

bool TGroupElement::OnScroll(HWND bar, int code, int position) {
  for (TElement* child : children_) {
    if (child->OnScroll(bar, code, position)) return true;
  }
  return false;
}

void TGroupElement::Enable(bool on) {
  if (box_ != nullptr && IsWindow(box_)) EnableWindow(box_, on ? TRUE : FALSE);
  for (TElement* child : children_) child->Enable(on);
}

void TGroupElement::ToControls() {
  for (TElement* child : children_) child->ToControls();
}

void TGroupElement::FromControls() {
  for (TElement* child : children_) child->FromControls();
}
