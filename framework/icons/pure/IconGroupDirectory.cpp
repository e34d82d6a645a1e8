#include "framework/icons/pure/IconGroupDirectory.h"

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 14;  // the resource form: an ID in place of a file offset

unsigned Word(const unsigned char* bits) { return bits[0] | (static_cast<unsigned>(bits[1]) << 8); }

}  // namespace

bool IsCompleteIconGroup(const unsigned char* bits, size_t size) {
  if (bits == nullptr || size < kHeaderSize) return false;
  if (Word(bits) != 0 || Word(bits + 2) != 1) return false;
  const size_t count = Word(bits + 4);
  return count > 0 && size >= kHeaderSize + count * kEntrySize;
}
