#include "framework/icons/pure/IconTablePosition.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "framework/icons/pure/ResourceName.h"

namespace {

// As a module lists its icon groups: string names first, then IDs. The text
// "1" must not be taken for the ID 1.
std::vector<TResourceName> Names() {
  return {TResourceName("IDI_A"), TResourceName("1"), TResourceName(1u), TResourceName(3u),
          TResourceName(35u), TResourceName(65535u)};
}

}  // namespace

TEST(IconTablePosition, NonNegativeIndexesArePositions) {
  const auto names = Names();
  const struct {
    int index;
    size_t position;
  } cases[] = {
      {0, 0}, {1, 1}, {5, 5},
      {6, 0},  // one past the end
      {100, 0}, {INT_MAX, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.position, IconTablePosition(names, c.index)) << c.index;
}

TEST(IconTablePosition, NegativeIndexesNameResourceIds) {
  const auto names = Names();
  const struct {
    int index;
    size_t position;
  } cases[] = {
      {-1, 2}, {-3, 3}, {-35, 4}, {-65535, 5},
      {-2, 0},       // no such ID
      {-65536, 0},   // beyond 16 bits: must not wrap to ID 0
      {-65537, 0},   // must not wrap to ID 1
      {INT_MIN, 0},  // must not overflow on negation
      {-INT_MAX, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.position, IconTablePosition(names, c.index)) << c.index;
}

TEST(IconTablePosition, EmptyTableAlwaysGivesZero) {
  const std::vector<TResourceName> none;
  for (int index : {0, 1, -1, -35, INT_MAX, INT_MIN}) EXPECT_EQ(0u, IconTablePosition(none, index));
}

TEST(ResourceName, PointersBelow65536AreIds) {
  const TResourceName id(reinterpret_cast<const char*>(static_cast<uintptr_t>(32512)));
  EXPECT_TRUE(id.IsNumeric());
  EXPECT_EQ(32512u, id.Id());
  EXPECT_EQ(reinterpret_cast<uintptr_t>(id.AsPointer()), 32512u);
  EXPECT_EQ(TResourceName(32512u), id);

  const TResourceName text("OK_ICON");
  EXPECT_FALSE(text.IsNumeric());
  EXPECT_STREQ("OK_ICON", text.AsPointer());
  EXPECT_NE(TResourceName("ok_icon"), text);  // exact, as the factory's key
  EXPECT_NE(TResourceName(0u), TResourceName(""));
  EXPECT_EQ(TResourceName(0u), TResourceName(static_cast<const char*>(nullptr)));
}

TEST(ResourceName, TextIsCopied) {
  char buffer[] = "APPLICATION_ICON";
  const TResourceName name(buffer);
  buffer[0] = 'X';
  EXPECT_STREQ("APPLICATION_ICON", name.AsPointer());
}
