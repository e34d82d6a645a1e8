#pragma once
// The menu of the application's tray icon: the windows that can be stored,
// each with its icon and title, above the fixed commands. The window items
// are made anew at every opening, from the windows as they are then.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/storing/WindowIcon.h"
#include "framework/base/Owners.h"
#include "framework/system/WideText.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/menus/IconMenu.h"

class TTrayMenu {
 public:
  TTrayMenu();
  ~TTrayMenu();
  TTrayMenu(const TTrayMenu&) = delete;
  TTrayMenu& operator=(const TTrayMenu&) = delete;

  HMENU Menu() const { return menu_; }
  // Lists the windows that may be stored now (never `mainWindow`) and puts
  // them at the top; store all is enabled when there is one, restore all
  // when `storedCount` is not 0.
  void Rebuild(HWND mainWindow, size_t storedCount);
  // The windows of the last opening, in menu order (item 3000 + i).
  const THandleList& Candidates() const { return candidates_; }
  // Their titles as the windows hold them, in any script.
  const std::vector<TWideText>& CandidateTitles() const { return titles_; }
  // The menu font changed: every item is measured again.
  void Remeasure();

 private:
  void RemoveWindowItems();
  void AttachIcons();

  TMenuHandle resource_;
  HMENU menu_ = nullptr;  // submenu 0 of resource_
  THandleList candidates_;
  std::vector<TWideText> titles_;
  std::vector<std::unique_ptr<TIconSource>> icons_;
  std::unique_ptr<TIconMenu> iconMenu_;
  size_t windowItems_ = 0;  // items (and their separator) inserted at the last opening
};
