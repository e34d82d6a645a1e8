#pragma once
// A "foreign" top-level window inside the test process: it belongs to a
// thread of its own with its own message loop, so to the code under test it
// is another program's window that answers (or, told to hang, does not).
// Wine cannot read icons or menus across processes, so paths that need them
// are tested against these windows.
#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/HarnessHandles.h"
#include "tests/support/TestProgramProtocol.h"

struct ForeignWindowOptions {
  std::string title = "foreign";  // Shift-JIS bytes
  // When not empty, a Unicode window with this title (any script) instead.
  std::wstring wideTitle;
  // Windows alive at the same time need distinct class names when their class icons differ.
  std::string className = "StowpaneForeignWindow";
  unsigned windowIcons = testwindow::kNoIcons;  // IconSet bits, set with WM_SETICON
  unsigned classIcons = testwindow::kNoIcons;   // IconSet bits, in the window class
  unsigned smallColour = testwindow::kDefaultSmallColour;  // 0xRRGGBB
  unsigned bigColour = testwindow::kDefaultBigColour;
  bool menu = false;      // the menu bar of TestMenuBar.h
  bool tool = false;      // WS_EX_TOOLWINDOW
  bool visible = true;
  bool minimized = false;
  HWND owner = nullptr;
  // Runs on the window's thread as it is being minimized, while whoever
  // minimizes it from another thread waits for it.
  std::function<void()> whileMinimizing;
};

class ForeignWindowThread {
 public:
  // Returns once the window exists; Window() is null when it could not be made.
  explicit ForeignWindowThread(const ForeignWindowOptions& options);
  // Cuts a hang short, destroys the window and ends the thread.
  ~ForeignWindowThread();
  ForeignWindowThread(const ForeignWindowThread&) = delete;
  ForeignWindowThread& operator=(const ForeignWindowThread&) = delete;

  HWND Window() const { return window_; }
  DWORD ThreadId() const { return threadId_; }
  // The icons given with WM_SETICON (null when not asked for); the thread owns them.
  HICON SmallIcon() const { return smallIcon_.Get(); }
  HICON BigIcon() const { return bigIcon_.Get(); }

  // The thread stops pumping messages for `ms`; returns once it has stopped.
  bool Hang(DWORD ms);
  // New solid icons of colour `rgb` (0xRRGGBB) for the IconSet bits `which`,
  // as a program does when its state changes; returns once they are set.
  bool SetIcons(unsigned which, unsigned rgb);
  // WM_COMMAND ids that reached the window, in order.
  std::vector<unsigned> Commands() const;
  // WM_SYSCOMMAND values (low four bits cleared) that reached the window, in order.
  std::vector<unsigned> SysCommands() const;
  bool WaitForCommand(unsigned id, DWORD timeoutMs) const;
  // How many WM_MEASUREITEM and WM_DRAWITEM messages reached the window.
  int OwnerDrawRequests() const { return ownerDrawRequests_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // On the window's thread: gives the window a new icon and frees the old one.
  void ReplaceIcon(HWND window, WPARAM kind, unsigned rgb);
  void Run(const ForeignWindowOptions& options);

  HWND window_ = nullptr;
  bool unicode_ = false;
  std::function<void()> whileMinimizing_;
  DWORD threadId_ = 0;
  TIconHandle smallIcon_, bigIcon_, classSmallIcon_, classBigIcon_;
  TKernelHandle ready_, hanging_, wake_;
  mutable std::mutex mutex_;
  std::vector<unsigned> commands_, sysCommands_;
  std::atomic<int> ownerDrawRequests_{0};
  std::thread thread_;
};
