#pragma once
// COM on this thread while a scope lives, through ole32 loaded when first
// needed. When the outermost scope ends COM is released and ole32 let go, so
// a program at rest in the tray holds none of it (under Wine ole32 brings
// combase and rpcrt4 along, about 3 MB). Scopes nest.
#include <windows.h>

class TComScope {
 public:
  TComScope();
  ~TComScope();
  TComScope(const TComScope&) = delete;
  TComScope& operator=(const TComScope&) = delete;
  bool Ok() const { return initialized_; }

 private:
  bool initialized_ = false;
};

// CoCreateInstance of the ole32 a TComScope loaded; fails with E_FAIL outside one.
HRESULT LazyCoCreateInstance(REFCLSID classId, DWORD context, REFIID interfaceId, void** object);
