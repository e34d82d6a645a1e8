#pragma once
// Typed settings on an open key list: made on the stack around one access,
// they read with the list's precedence and write to its last entry. The list
// is borrowed and must stay open while the value object is used.
#include <windows.h>

#include "framework/registry/TRegKeyList.h"
#include "framework/text/TByteBuffer.h"
#include "framework/text/TString.h"

class TRegValue {
 public:
  TRegValue(const TRegKeyList& keys, const TString& name) : keys_(keys), name_(name) {}
  virtual ~TRegValue() = default;
  TRegValue(const TRegValue&) = delete;
  TRegValue& operator=(const TRegValue&) = delete;

  // The REG_ code this class writes.
  virtual DWORD Type() const = 0;
  // True when a read of this class's kind succeeds in some entry.
  virtual bool Exists() const = 0;

  const TString& Name() const { return name_; }
  // Removes the value from the last entry.
  LONG Delete() const { return keys_.DeleteValue(name_); }

 protected:
  const TRegKeyList& keys_;
  TString name_;
};

class TRegString : public TRegValue {
 public:
  using TRegValue::TRegValue;
  DWORD Type() const override { return REG_SZ; }
  bool Exists() const override;
  // `text` becomes the stored text, or empty when there is none.
  LONG Read(TString& text) const { return keys_.ReadString(name_, text); }
  // The stored text, or `fallback` when no entry holds a readable one.
  TString Get(const TString& fallback) const;
  // Stores the text up to its first NUL plus the terminator. Texts over 1023
  // bytes are stored but read back as absent.
  LONG Write(const TString& text) const;
};

class TRegDword : public TRegValue {
 public:
  using TRegValue::TRegValue;
  DWORD Type() const override { return REG_DWORD; }
  bool Exists() const override;
  // `value` keeps what it held when there is nothing to read.
  LONG Read(DWORD& value) const { return keys_.ReadDword(name_, value); }
  DWORD Get(DWORD fallback) const;
  LONG Write(DWORD value) const;
};

class TRegBinary : public TRegValue {
 public:
  using TRegValue::TRegValue;
  DWORD Type() const override { return REG_BINARY; }
  bool Exists() const override;
  // `bytes` becomes the stored bytes, or empty when there are none.
  LONG Read(TByteBuffer& bytes) const { return keys_.ReadBinary(name_, bytes); }
  LONG Write(const TByteBuffer& bytes) const;
};
