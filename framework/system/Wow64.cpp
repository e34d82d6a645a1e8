#include <windows.h>

#include "framework/system/Wow64.h"

namespace {

template <typename Function>
Function KernelFunction(const char* name) {
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, name)))
                           : nullptr;
}

}  // namespace

bool RunningUnderWow64() {
  static const bool wow64 = [] {
    using TIsWow64 = BOOL(WINAPI*)(HANDLE, BOOL*);
    const auto isWow64 = KernelFunction<TIsWow64>("IsWow64Process");
    BOOL answer = FALSE;
    return isWow64 != nullptr && isWow64(GetCurrentProcess(), &answer) && answer;
  }();
  return wow64;
}

TNativeFileNames::TNativeFileNames() {
  if (!RunningUnderWow64()) return;
  using TDisable = BOOL(WINAPI*)(void**);
  const auto disable = KernelFunction<TDisable>("Wow64DisableWow64FsRedirection");
  off_ = disable != nullptr && disable(&previous_);
}

TNativeFileNames::~TNativeFileNames() {
  if (!off_) return;
  using TRevert = BOOL(WINAPI*)(void*);
  const auto revert = KernelFunction<TRevert>("Wow64RevertWow64FsRedirection");
  if (revert != nullptr) revert(previous_);
}
