#include "framework/icons/pure/IconGroupDirectory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Group(unsigned reserved, unsigned type, unsigned count, size_t entryBytes) {
  std::string bits;
  for (unsigned word : {reserved, type, count}) {
    bits += static_cast<char>(word & 0xFF);
    bits += static_cast<char>(word >> 8);
  }
  return bits + std::string(entryBytes, '\x01');
}

}  // namespace

TEST(IconGroupDirectory, AcceptsOnlyComplete) {
  const struct {
    std::string bits;
    bool complete;
  } cases[] = {
      {Group(0, 1, 1, 14), true},
      {Group(0, 1, 2, 28), true},
      {Group(0, 1, 2, 40), true},
      {Group(0, 1, 2, 27), false},  // the last entry is cut short
      {Group(0, 1, 0, 0), false},
      {Group(0, 2, 1, 14), false},  // a cursor group
      {Group(1, 1, 1, 14), false},
      {Group(0, 1, 0xFFFF, 14), false},
      {std::string("\0\0\1", 3), false},
      {std::string(), false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.complete, IsCompleteIconGroup(reinterpret_cast<const unsigned char*>(c.bits.data()),
                                              c.bits.size()))
        << c.bits.size();
  }
  EXPECT_FALSE(IsCompleteIconGroup(nullptr, 100));
}
