#include "framework/text/KanjiNumber.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(ToKanjiNumber, WritesPositionalNumerals) {
  struct Case {
    uint64_t number;
    TString expected;
  } cases[] = {
      {0, "零"},
      {1, "一"},
      {7, "七"},
      {10, "十"},
      {11, "十一"},
      {20, "二十"},
      {99, "九十九"},
      {100, "百"},
      {105, "百五"},
      {110, "百十"},
      {1000, "千"},
      {2024, "二千二十四"},
      {10000, "万"},
      {10001, "万一"},
      {11000, "万千"},
      {12345, "万二千三百四十五"},
      {20000, "二万"},
      {100000, "十万"},
      {110000, "十一万"},
      {1000000, "百万"},
      {10000000, "千万"},
      {100000000, "億"},
      {100000001, "億一"},      // an empty group of ten-thousands has no marker
      {100010000, "億一万"},
      {210000000, "二億千万"},
      {4294967295u, "四十二億九千四百九十六万七千二百九十五"},
      {1000000000000ull, "兆"},
      {10000000000000000ull, "京"},
      {10000000000000000000ull, "千京"},
      {18446744073709551615ull, "千八百四十四京六千七百四十四兆七百三十七億九百五十五万千六百十五"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, ToKanjiNumber(c.number)) << c.number;
  }
}
