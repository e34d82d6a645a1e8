#include <windows.h>

#include "tests/support/ChildProcess.h"

#include <vector>

namespace {

constexpr DWORD kKillWaitMs = 5000;

// The job of every program this process starts. It is closed only when this
// process ends, and closing it ends them all (measured under Wine 8, also
// for a program that is in another job already).
HANDLE ChildrenJob() {
  static const TKernelHandle job = [] {
    TKernelHandle created(CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (created) SetInformationJobObject(created.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return created;
  }();
  return job.Get();
}

// Started suspended and put into the job before its first instruction, so
// not even a program that starts others at once can escape it.
bool CreateChild(const std::string& commandLine, STARTUPINFOA* startup, bool inherit,
                 PROCESS_INFORMATION* info) {
  std::vector<char> line(commandLine.begin(), commandLine.end());  // CreateProcessA may write to it
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, inherit ? TRUE : FALSE, CREATE_SUSPENDED,
                      nullptr, nullptr, startup, info))
    return false;
  if (ChildrenJob()) AssignProcessToJobObject(ChildrenJob(), info->hProcess);
  ResumeThread(info->hThread);
  return true;
}

}  // namespace

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Kill();
    process_ = std::move(other.process_);
    id_ = other.id_;
    lastError_ = other.lastError_;
  }
  return *this;
}

bool ChildProcess::Start(const std::string& commandLine) {
  if (IsRunning()) return false;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateChild(commandLine, &startup, false, &info)) {
    lastError_ = GetLastError();
    return false;
  }
  CloseHandle(info.hThread);
  process_.Reset(info.hProcess);
  id_ = info.dwProcessId;
  lastError_ = 0;
  return true;
}

bool ChildProcess::IsRunning() const {
  return process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(DWORD timeoutMs) const {
  return process_ && WaitForSingleObject(process_.Get(), timeoutMs) == WAIT_OBJECT_0;
}

std::optional<DWORD> ChildProcess::ExitCode() const {
  DWORD code = 0;
  if (!process_ || IsRunning() || !GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
  return code;
}

void ChildProcess::Kill() {
  if (IsRunning()) {
    TerminateProcess(process_.Get(), 1);
    WaitForSingleObject(process_.Get(), kKillWaitMs);
  }
}

ProgramRun RunProgram(const std::string& commandLine, DWORD timeoutMs) {
  ProgramRun run;
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return run;
  TKernelHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(reader.Get(), HANDLE_FLAG_INHERIT, 0);  // only the child's end is inherited

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writer.Get();
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION info = {};
  if (!CreateChild(commandLine, &startup, true, &info)) return run;
  CloseHandle(info.hThread);
  TKernelHandle process(info.hProcess);
  writer.Reset();  // the child holds its own copy
  run.started = true;

  // Drain while it runs: a full pipe would stall the child. Only what is
  // there is read, never up to the pipe's end: a program the child started
  // may hold the pipe open long after the child has ended.
  const DWORD start = GetTickCount();
  char buffer[4096];
  for (;;) {
    const bool ended = WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
    DWORD available = 0;
    while (PeekNamedPipe(reader.Get(), nullptr, 0, nullptr, &available, nullptr) && available > 0) {
      DWORD got = 0;
      if (!ReadFile(reader.Get(), buffer, sizeof buffer, &got, nullptr) || got == 0) break;
      run.output.append(buffer, got);
    }
    if (ended) {
      run.finished = true;
      GetExitCodeProcess(process.Get(), &run.exitCode);
      return run;
    }
    if (GetTickCount() - start >= timeoutMs) {
      TerminateProcess(process.Get(), 1);
      WaitForSingleObject(process.Get(), kKillWaitMs);
      return run;
    }
    Sleep(5);
  }
}
