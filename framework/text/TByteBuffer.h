#pragma once
// An owned block of bytes for binary registry values. Empty is {null, 0}: a
// zero-length value holds no block at all, so Data() is only read with Size().
#include <cstddef>
#include <memory>

class TByteBuffer {
 public:
  TByteBuffer() = default;
  TByteBuffer(const void* bytes, size_t size) { Assign(bytes, size); }
  TByteBuffer(const TByteBuffer& other) { Assign(other.Data(), other.Size()); }
  TByteBuffer& operator=(const TByteBuffer& other);
  TByteBuffer(TByteBuffer&& other) noexcept;
  TByteBuffer& operator=(TByteBuffer&& other) noexcept;

  const unsigned char* Data() const { return data_.get(); }
  size_t Size() const { return size_; }
  bool IsEmpty() const { return size_ == 0; }

  // Replaces the contents with a copy of `size` bytes (none when `bytes` is null).
  void Assign(const void* bytes, size_t size);
  void Clear();

  friend bool operator==(const TByteBuffer& a, const TByteBuffer& b);
  friend bool operator!=(const TByteBuffer& a, const TByteBuffer& b) { return !(a == b); }

 private:
  std::unique_ptr<unsigned char[]> data_;
  size_t size_ = 0;
};
