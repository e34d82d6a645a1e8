#pragma once
// faketaskbar.exe driven from a test: it owns the taskbar window while the
// object lives, and every Shell_NotifyIcon call of every program can be read
// back from its log. The destructor ends it; when the test has failed, the
// log is printed first.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/pure/TrayLog.h"

class FakeTaskbar {
 public:
  struct Options {
    bool takeover = true;   // end whatever owns the taskbar now (else wait until none does)
    bool rebar = false;     // give it a "ReBarWindow32" child
    bool refuse = false;    // answer FALSE to every call from the start
  };

  FakeTaskbar() = default;
  ~FakeTaskbar();
  FakeTaskbar(const FakeTaskbar&) = delete;
  FakeTaskbar& operator=(const FakeTaskbar&) = delete;

  // Starts it and returns once it owns the taskbar (false after `timeoutMs`).
  bool Start(const Options& options, DWORD timeoutMs = 5000);
  bool Start() { return Start(Options()); }
  // Starts it without waiting: a successor that takes over when the current taskbar dies.
  bool Launch(const Options& options);
  // Waits until it owns the taskbar.
  bool WaitUntilReady(DWORD timeoutMs);

  HWND Window() const { return window_; }
  DWORD ProcessId() const { return process_.Id(); }
  const std::string& LogPath() const { return logPath_; }

  // Every call logged so far, in order.
  std::vector<TrayRecord> Records() const;
  // The icons that exist now.
  std::vector<TrayRecord> Icons() const;
  std::optional<TrayRecord> FindIcon(HWND owner, UINT id) const;
  // The icons of one owner: a count that the stand-in's dropping of a killed
  // program's icons, on its own timer, cannot change meanwhile.
  size_t IconCountOf(HWND owner) const;
  // The stand-in's own table, which it writes to its log when asked: a check
  // on Icons(), which replays the calls. Nothing when it did not answer.
  std::optional<std::vector<TrayRecord>> DumpedIcons(DWORD timeoutMs = 2000) const;
  // The first record from index `from` on that `match` accepts, waiting up to `timeoutMs`.
  std::optional<TrayRecord> WaitForRecord(const std::function<bool(const TrayRecord&)>& match,
                                          DWORD timeoutMs, size_t from = 0) const;
  // From now on answers every call with FALSE (true) or accepts calls again (false).
  bool SetRefusing(bool refuse);
  // Drops every icon in the same taskbar window and broadcasts "TaskbarCreated",
  // as a shell that rebuilds its notification area does.
  bool Rebuild();
  // The taskbar dies: the process is ended and its window is gone.
  void Kill();

 private:
  std::vector<LogLine> LogLines() const;
  // Posts an order to the stand-in and waits until it logs `word`.
  bool PostAndWaitForLine(UINT message, WPARAM wParam, const std::string& word);

  ChildProcess process_;
  std::string logPath_;
  HWND window_ = nullptr;
};

// Matchers for WaitForRecord.
std::function<bool(const TrayRecord&)> TrayCall(const std::string& operation, HWND owner, UINT id);
std::function<bool(const TrayRecord&)> TrayCall(const std::string& operation, UINT id);
