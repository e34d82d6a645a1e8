#include <windows.h>

#include "framework/system/ComScope.h"

#include "framework/base/Owners.h"

namespace {

// The program's one window thread uses COM; the test programs' other threads never through this.
int g_depth = 0;
TModuleHandle g_ole32;

template <typename Function>
Function Find(const char* name) {
  return g_ole32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(g_ole32.Get(), name))) : nullptr;
}

}  // namespace

TComScope::TComScope() {
  if (g_depth++ == 0) g_ole32.Reset(LoadLibraryA("ole32.dll"));
  const auto initialize = Find<HRESULT(WINAPI*)(LPVOID)>("CoInitialize");
  initialized_ = initialize != nullptr && SUCCEEDED(initialize(nullptr));
}

TComScope::~TComScope() {
  if (initialized_) {
    const auto uninitialize = Find<void(WINAPI*)()>("CoUninitialize");
    if (uninitialize != nullptr) uninitialize();
  }
  if (--g_depth == 0) g_ole32.Reset();
}

HRESULT LazyCoCreateInstance(REFCLSID classId, DWORD context, REFIID interfaceId, void** object) {
  using TCreate = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
  const auto create = Find<TCreate>("CoCreateInstance");
  if (create == nullptr) return E_FAIL;
  return create(classId, nullptr, context, interfaceId, object);
}
