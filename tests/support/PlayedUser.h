#pragma once
// The user of a modal window that this thread opens, played by a thread timer
// that every modal loop runs: once the window a test waits for is up, the
// action given for it is called with it, once. A window the action left open
// is given up on about two seconds later, so that a failing case fails
// instead of hanging the run. One played user at a time.
#include <windows.h>

#include <functional>

class PlayedUser {
 public:
  using Finder = HWND (*)();
  using Closer = void (*)(HWND);

  // `find` names the window to act on (null while there is none); `giveUp`
  // closes one the action left open.
  PlayedUser(Finder find, Closer giveUp);
  ~PlayedUser();
  PlayedUser(const PlayedUser&) = delete;
  PlayedUser& operator=(const PlayedUser&) = delete;

  // The action for the next window that comes up (null: none).
  void Next(std::function<void(HWND)> action) { action_ = std::move(action); }
  // Windows acted on so far.
  int Seen() const { return seen_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();

  Finder find_;
  Closer giveUp_;
  std::function<void(HWND)> action_;
  UINT_PTR timer_ = 0;
  int seen_ = 0;
  int ticksSinceAction_ = -1;
};

// The first visible system dialog ("#32770") of the calling thread, or null.
HWND VisibleSystemDialogOfThisThread();
// The first visible edit box among `dialog`'s descendants, or null.
HWND FirstVisibleEdit(HWND dialog);
// Ways to give up: Cancel as a button sends it, or WM_CLOSE.
void PressCancel(HWND window);
void PostClose(HWND window);
