#pragma once
// One reference to a COM interface, released once.
#include "framework/util/UniqueHandle.h"

template <typename Interface>
struct TComTraits {
  using Handle = Interface*;
  static void Free(Interface* pointer) { pointer->Release(); }
};

template <typename Interface>
class TComPtr : public TUniqueHandle<TComTraits<Interface>> {
 public:
  using TUniqueHandle<TComTraits<Interface>>::TUniqueHandle;
  Interface* operator->() const { return this->Get(); }
  // The slot for CoCreateInstance and QueryInterface; what was held is released first.
  void** ReceiveVoid() { return reinterpret_cast<void**>(this->Receive()); }
};
