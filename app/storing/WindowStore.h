#pragma once
// The windows the program holds: storing one (it is minimized and hidden and
// gets a tray icon of its own), giving it back, keeping icons and tips
// current, and taking over the windows a previous copy left hidden.
//
// Re-entrancy: the questions asked about a window that does not answer run
// modal loops, in which timer ticks, tray clicks and session messages are
// dispatched. Three rules keep the table sound: a record is taken out of the
// table before anything can open a box for it, so no other path can reach
// it; while a store or restore is running (Busy) the tick leaves the table
// alone and the tray clicks wait; and a window waiting in a question keeps
// its id and its value, so nothing stored meanwhile can take either. A
// window that is stored or waiting in a question is never stored twice.
#include <windows.h>

#include <memory>
#include <vector>

#include "app/storing/StoredWindow.h"
#include "framework/window/core/WindowUtils.h"

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
  // in front. Stop on the question about a window that does not answer
  // leaves it stored, to be tried again later.
  void RestoreThroughIcon(const TStoredWindow& record);
  void RestoreAll();
  // The program is ending: Stop (or a question that cannot be shown any
  // more) no longer keeps a window stored, it is told to show itself as soon
  // as it answers. Cleared again when the end of a session is cancelled.
  void SetEnding(bool ending) { ending_ = ending; }
  // The session ends while questions are open: the windows waiting in a
  // restore question are told to show themselves as soon as they answer.
  THandleList ShowWindowsInQuestion();
  // The tick: windows that were closed or shown by their own program are let
  // go; changed titles and icons reach their tray icons.
  void RefreshAll();
  // A new taskbar: every window still held gets its tray icon (and value) again.
  void IconizeAllAgain();
  // The taskbar dropped every icon: none counts as shown any more.
  void ForgetIcons();
  // The icons the taskbar refused are added again, in order, until one is
  // refused again: a taskbar that keeps refusing costs one call.
  void AddMissingIcons();
  // A start by the user: the windows a previous copy left hidden, taken over
  // under fresh ids from 5000 in the order the registry lists them.
  void AdoptPersistedWindows();

  TRefreshAnswer RefreshStoredWindow(TStoredWindow& record);

 private:
  // A window waiting in a question, with the id it keeps meanwhile (0 while
  // it waits to be stored).
  struct TInQuestion {
    HWND window;
    int iconId;
  };
  class TQuestionScope;

  // The value is written and the window minimized and hidden; one that did
  // not answer just now is told without waiting for it.
  void Hide(const TStoredWindow& record, bool answeredJustNow);
  // The title read and the tray icon added.
  void Iconize(TStoredWindow& record);
  void HideAndIconize(TStoredWindow& record);
  // The tray icon and the value go; with `show`, the window comes back.
  // False when the user stopped during a session: icon and value are the
  // caller's to put back (KeepStored).
  bool RestoreStoredWindow(TStoredWindow& record, bool show);
  bool ShowAgain(HWND window);
  void DeleteIcon(TStoredWindow& record);
  // Every icon still there, and the application's, sent again.
  void ResendIcons();
  void RestoreEach();
  void KeepStored(std::unique_ptr<TStoredWindow> record);
  std::unique_ptr<TStoredWindow> Detach(const TStoredWindow& record);
  bool Pending(HWND window) const;
  // The smallest id from 5000 that no record uses, none waiting in a
  // question keeps, and no value of the registry holds.
  int ChooseIconId() const;

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
  std::vector<TInQuestion> inQuestion_;
  int busy_ = 0;
  int restoringAll_ = 0;
  unsigned sessionEnds_ = 0;  // how often the windows in question were told to show themselves
  bool ending_ = false;
};
