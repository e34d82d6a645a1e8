#include <windows.h>

#include "framework/system/ProcessImage.h"

#include "framework/base/Owners.h"

namespace {

// Not in the headers of the oldest systems the program runs on; both are
// looked up, never imported, so that it starts where they are missing.
constexpr DWORD kQueryLimitedInformation = 0x1000;  // PROCESS_QUERY_LIMITED_INFORMATION, Vista on
using TQueryImageName = BOOL(WINAPI*)(HANDLE, DWORD, LPSTR, PDWORD);
using TModuleFileNameEx = DWORD(WINAPI*)(HANDLE, HMODULE, LPSTR, DWORD);

// From Vista on: the least access there is, granted for processes of other
// users and elevated ones too.
TString AskByImageName(DWORD processId) {
  static const auto query = reinterpret_cast<TQueryImageName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryFullProcessImageNameA")));
  if (query == nullptr) return TString();
  TKernelHandle process(OpenProcess(kQueryLimitedInformation, FALSE, processId));
  if (!process) return TString();
  char path[MAX_PATH * 2] = {};
  DWORD length = sizeof path;
  if (!query(process.Get(), 0, path, &length) || length >= sizeof path) return TString();
  return TString(path, length);
}

// Older systems: the process's first module, read with more access.
TString AskByFirstModule(DWORD processId) {
  // Loaded once, on first need, and kept for the run.
  static const TModuleHandle library(LoadLibraryA("psapi.dll"));
  if (!library) return TString();
  const auto query = reinterpret_cast<TModuleFileNameEx>(
      reinterpret_cast<void*>(GetProcAddress(library.Get(), "GetModuleFileNameExA")));
  if (query == nullptr) return TString();
  TKernelHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return TString();
  char path[MAX_PATH * 2] = {};
  const DWORD length = query(process.Get(), nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return TString();
  return TString(path, length);
}

}  // namespace

TString WindowProgramPath(HWND window) {
  DWORD processId = 0;
  if (window == nullptr || GetWindowThreadProcessId(window, &processId) == 0 || processId == 0) return TString();
  TString path = AskByImageName(processId);
  if (path.IsEmpty()) path = AskByFirstModule(processId);
  return path;
}
