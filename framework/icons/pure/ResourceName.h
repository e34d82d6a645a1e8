#pragma once
// The name of a resource: a number (an ID below 65536) or a text. Windows
// passes both through one pointer; this keeps them apart so that names can be
// copied, compared and kept after the module that reported them is gone.
#include <cstdint>

#include "framework/text/TString.h"

class TResourceName {
 public:
  TResourceName() = default;
  explicit TResourceName(unsigned id) : numeric_(true), id_(id & 0xFFFFu) {}
  // A name as the resource functions take and report it: pointer values
  // below 65536 are IDs (MAKEINTRESOURCE), anything else points to a
  // NUL-terminated text, which is copied.
  TResourceName(const char* pointer)  // NOLINT: names read like texts
      : numeric_(reinterpret_cast<uintptr_t>(pointer) >> 16 == 0),
        id_(numeric_ ? static_cast<unsigned>(reinterpret_cast<uintptr_t>(pointer)) : 0),
        text_(numeric_ ? nullptr : pointer) {}
  explicit TResourceName(const TString& text) : text_(text) {}

  bool IsNumeric() const { return numeric_; }
  unsigned Id() const { return id_; }
  const TString& Text() const { return text_; }
  // The form the resource functions take (MAKEINTRESOURCE for an ID); valid
  // while this name lives.
  const char* AsPointer() const {
    return numeric_ ? reinterpret_cast<const char*>(static_cast<uintptr_t>(id_)) : text_.c_str();
  }

  friend bool operator==(const TResourceName& a, const TResourceName& b) {
    return a.numeric_ == b.numeric_ && (a.numeric_ ? a.id_ == b.id_ : a.text_ == b.text_);
  }
  friend bool operator!=(const TResourceName& a, const TResourceName& b) { return !(a == b); }

 private:
  bool numeric_ = false;
  unsigned id_ = 0;
  TString text_;
};
