#include "framework/registry/pure/RegValueBytes.h"

#include <cstring>

namespace {

// Length of the text at `data` without looking past `limit` bytes.
size_t BoundedLength(const char* data, size_t limit) {
  const void* nul = std::memchr(data, '\0', limit);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - data) : limit;
}

}  // namespace

TString TextFromValueBytes(const char* data, size_t size) {
  if (data == nullptr || size == 0) return TString();
  return TString(data, BoundedLength(data, size));
}

TStringArray SplitMultiString(const char* data, size_t size) {
  TStringArray items;
  if (data == nullptr) return items;
  size_t offset = 0;
  while (offset < size) {
    const size_t length = BoundedLength(data + offset, size - offset);
    if (length == 0) break;
    items.Append(TString(data + offset, length));
    offset += length + 1;
  }
  return items;
}

bool JoinMultiString(const TStringArray& items, size_t capacity, std::string& bytes) {
  std::string joined;
  for (size_t i = 0; i < items.Count(); ++i) {
    // A text stops at its first NUL, as it would for any C reader.
    const char* text = items.Item(i).c_str();
    const size_t length = std::strlen(text);
    if (length == 0) continue;
    joined.append(text, length);
    joined.push_back('\0');
    if (joined.size() + 1 > capacity) return false;
  }
  joined.push_back('\0');
  if (joined.size() > capacity) return false;
  bytes.swap(joined);
  return true;
}
