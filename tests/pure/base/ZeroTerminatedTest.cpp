#include "framework/base/pure/ZeroTerminated.h"

#include <gtest/gtest.h>

#include <vector>

using Values = std::vector<uint32_t>;

TEST(ZeroTerminated, CountAndCopyStopAtTheZero) {
  struct Case {
    Values values;
    size_t count;
  };
  const std::vector<Case> cases = {
      {{0}, 0},
      {{5, 0}, 1},
      {{1, 2, 3, 0, 9, 0}, 3},  // entries after the first 0 are not part of it
      {{0xFFFFFFFFu, 0x80000000u, 0}, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.count, ZeroTerminatedCount(c.values.data()));
    Values expected(c.values.begin(), c.values.begin() + c.count + 1);
    EXPECT_EQ(expected, ZeroTerminatedCopy(c.values.data()));
  }
  EXPECT_EQ(0u, ZeroTerminatedCount(nullptr));
  EXPECT_EQ(Values({0}), ZeroTerminatedCopy(nullptr));
}

TEST(ZeroTerminated, PaddedCopyLeavesRoomBeforeTheZero) {
  const Values values = {7, 8, 0};
  struct Case {
    size_t minimum;
    Values expected;
  };
  const std::vector<Case> cases = {
      {0, {7, 8, 0}},
      {2, {7, 8, 0}},
      {4, {7, 8, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Values copy = ZeroTerminatedPaddedCopy(values.data(), c.minimum);
    EXPECT_EQ(c.expected, copy) << c.minimum;
    EXPECT_EQ(2u, ZeroTerminatedCount(copy.data()));
  }
  EXPECT_EQ(Values({0, 0, 0, 0}), ZeroTerminatedPaddedCopy(nullptr, 3));
}

TEST(ZeroTerminated, EqualUpToAndIncludingTheZero) {
  struct Case {
    Values a;
    Values b;
    bool equal;
  };
  const std::vector<Case> cases = {
      {{0}, {0}, true},
      {{1, 2, 0}, {1, 2, 0}, true},
      {{1, 2, 0}, {1, 2, 3, 0}, false},  // a prefix is not equal
      {{1, 2, 3, 0}, {1, 2, 0}, false},
      {{1, 2, 0, 5}, {1, 2, 0, 6}, true},  // nothing after the 0 counts
      {{2, 1, 0}, {1, 2, 0}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.equal, ZeroTerminatedEqual(c.a.data(), c.b.data()));
    EXPECT_EQ(c.equal, ZeroTerminatedEqual(c.b.data(), c.a.data()));
  }
  const Values empty = {0};
  EXPECT_TRUE(ZeroTerminatedEqual(nullptr, empty.data()));
  EXPECT_TRUE(ZeroTerminatedEqual(nullptr, nullptr));
}
