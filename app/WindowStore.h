#pragma once
// The windows the program holds: storing one (it is minimized and hidden and
// gets a tray icon of its own), giving it back, keeping icons and tips
// current, and taking over the windows a previous copy left hidden.
//
// Re-entrancy: the questions asked about a window that does not answer run
// modal loops, in which timer ticks, tray clicks and session messages are
// dispatched. Two rules keep the table sound: a record is taken out of the
// table before anything can open a box for it, so no other path can reach
// it, and while a store or restore is running (Busy) the tick leaves the
// table alone and the tray clicks wait. A window that is stored or waiting in
// its store question is never stored a second time.
#include <windows.h>

#include <memory>

#include "app/StoredWindow.h"
#include "framework/window/WindowUtils.h"

class TWindow;

enum class TRefreshAnswer { Keep, Gone };

class TWindowStore {
 public:
  // The questions about windows that do not answer are owned by `boxOwner`.
  explicit TWindowStore(const TWindow* boxOwner) : boxOwner_(boxOwner) {}

  const TStoredWindowTable& Table() const { return table_; }
  TStoredWindowTable& Table() { return table_; }
  size_t Count() const { return table_.Count(); }
  bool Busy() const { return busy_ > 0; }

  // False when nothing was stored: no window, already held, or the user
  // cancelled the question about a window that does not answer.
  bool StoreWindow(HWND window);
  // Every window of the list (a copy is walked: the list may be rebuilt
  // while a question is open).
  void StoreAll(THandleList windows);
  // A double click on the window's icon: icon and value gone, window shown
  // in front.
  void RestoreThroughIcon(const TStoredWindow& record);
  void RestoreAll();
  // The tick: windows that were closed or shown by their own program are let
  // go; changed titles and icons reach their tray icons.
  void RefreshAll();
  // A new taskbar: every window still held gets its tray icon (and value) again.
  void IconizeAllAgain();
  // A start by the user: the windows a previous copy left hidden, taken over
  // under fresh ids from 5000 in the order the registry lists them.
  void AdoptPersistedWindows();

  TRefreshAnswer RefreshStoredWindow(TStoredWindow& record);

 private:
  void HideAndIconize(TStoredWindow& record);
  // The tray icon and the value go; with `show`, the window comes back.
  void RestoreStoredWindow(TStoredWindow& record, bool show);
  std::unique_ptr<TStoredWindow> Detach(const TStoredWindow& record);
  bool Pending(HWND window) const;

  class TBusyScope {
   public:
    explicit TBusyScope(int& depth) : depth_(depth) { ++depth_; }
    ~TBusyScope() { --depth_; }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

   private:
    int& depth_;
  };

  const TWindow* boxOwner_;
  TStoredWindowTable table_;
  THandleList pending_;  // windows whose store waits for the user's answer
  int busy_ = 0;
};
