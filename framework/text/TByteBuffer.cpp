#include "framework/text/TByteBuffer.h"

#include <cstring>
#include <utility>

TByteBuffer& TByteBuffer::operator=(const TByteBuffer& other) {
  if (this != &other) Assign(other.Data(), other.Size());
  return *this;
}

TByteBuffer::TByteBuffer(TByteBuffer&& other) noexcept
    : data_(std::move(other.data_)), size_(std::exchange(other.size_, 0)) {}

TByteBuffer& TByteBuffer::operator=(TByteBuffer&& other) noexcept {
  if (this != &other) {
    data_ = std::move(other.data_);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void TByteBuffer::Assign(const void* bytes, size_t size) {
  if (bytes == nullptr || size == 0) {
    Clear();
    return;
  }
  // Copy before releasing: `bytes` may point into this very buffer.
  std::unique_ptr<unsigned char[]> block(new unsigned char[size]);
  std::memcpy(block.get(), bytes, size);
  data_ = std::move(block);
  size_ = size;
}

void TByteBuffer::Clear() {
  data_.reset();
  size_ = 0;
}

bool operator==(const TByteBuffer& a, const TByteBuffer& b) {
  return a.size_ == b.size_ && (a.size_ == 0 || std::memcmp(a.Data(), b.Data(), a.size_) == 0);
}
