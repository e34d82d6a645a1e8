#pragma once
// A program a test started: it ends with the test. The destructor kills it,
// so a failing assertion leaves nothing running behind; and every program
// started here belongs to a job object that ends it when this process ends,
// crash included. Under ctest that matters twice: a program left running
// holds the test's output pipe (Wine gives children the Unix stderr of their
// parent) and ctest waits for it until its time-out.
#include <windows.h>

#include <optional>
#include <string>

#include "tests/support/HarnessHandles.h"

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess() { Kill(); }
  ChildProcess(ChildProcess&&) noexcept = default;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts `commandLine` (program path first, quoted where needed). False when
  // it could not start (the Win32 error is in LastError) or one is running.
  bool Start(const std::string& commandLine);
  DWORD LastError() const { return lastError_; }

  bool IsRunning() const;
  // True once it has ended, waiting up to `timeoutMs`.
  bool WaitForExit(DWORD timeoutMs) const;
  // The exit code once it has ended; nothing while it runs or before a start.
  std::optional<DWORD> ExitCode() const;

  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_.Get(); }

  // Ends it now, as a crash would, and waits until it is gone.
  void Kill();

 private:
  TKernelHandle process_;
  DWORD id_ = 0;
  DWORD lastError_ = 0;
};

// A console program run to its end with its standard output captured.
struct ProgramRun {
  bool started = false;
  bool finished = false;  // false: killed at the time-out
  DWORD exitCode = 0;
  std::string output;     // as written; CR LF is left alone
};
ProgramRun RunProgram(const std::string& commandLine, DWORD timeoutMs);
