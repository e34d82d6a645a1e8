#pragma once
// testwindow.exe driven from a test: a top-level window of another process,
// built to order, whose events (commands, hangs, shows) can be read back.
// The destructor ends the process; when the test has failed, its log is
// printed first.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/support/TestProgramProtocol.h"
#include "tests/support/pure/ProgramLog.h"

struct TestWindowOptions {
  std::string className = testwindow::kDefaultClass;
  std::string title = "testwindow";  // Shift-JIS bytes, any length
  std::string utf8Title;             // when given: a Unicode window with this title (UTF-8 bytes)
  unsigned windowIcons = testwindow::kNoIcons;  // IconSet bits, set with WM_SETICON
  unsigned classIcons = testwindow::kNoIcons;   // IconSet bits, in the window class
  unsigned smallColour = testwindow::kDefaultSmallColour;  // 0xRRGGBB
  unsigned bigColour = testwindow::kDefaultBigColour;
  bool menu = false;                 // the menu bar of TestMenuBar.h
  bool tool = false;                 // WS_EX_TOOLWINDOW
  bool dialog = false;               // an owned "#32770" window as well
  std::string dialogTitle;           // empty: the program's default
  enum Show { kNormal, kHidden, kMinimized } show = kNormal;
  bool disabled = false;
  unsigned slowMinimizeMs = 0;       // the first minimize takes this much longer
};

// The arguments that make testwindow.exe build `options` (without the program path).
std::string TestWindowArguments(const TestWindowOptions& options);

class TestWindowProcess {
 public:
  TestWindowProcess() = default;
  ~TestWindowProcess();
  TestWindowProcess(const TestWindowProcess&) = delete;
  TestWindowProcess& operator=(const TestWindowProcess&) = delete;

  // Starts it and returns once its window exists (false after `timeoutMs`).
  bool Start(const TestWindowOptions& options, DWORD timeoutMs = 5000);

  HWND Window() const { return window_; }
  HWND Dialog() const { return dialog_; }  // null without TestWindowOptions::dialog
  DWORD ProcessId() const { return process_.Id(); }
  ChildProcess& Process() { return process_; }

  // The window's thread stops answering for `ms`; returns once it has stopped.
  bool Hang(DWORD ms, DWORD timeoutMs = 2000);
  // True once a WM_COMMAND with this id has reached the window.
  bool WaitForCommand(unsigned id, DWORD timeoutMs) const;
  // True once the line `word` (from index `from` on) is in the log.
  bool WaitForEvent(const std::string& word, DWORD timeoutMs, size_t from = 0) const;
  std::vector<LogLine> Events() const;

 private:
  ChildProcess process_;
  std::string logPath_;
  HWND window_ = nullptr;
  HWND dialog_ = nullptr;
};
