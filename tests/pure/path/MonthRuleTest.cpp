#include "framework/path/pure/MonthRule.h"

#include <gtest/gtest.h>

TEST(MonthRule, OldFromTheSameDayOfTheNextMonth) {
  struct Case {
    const char* why;
    TCalendarDate written;
    TCalendarDate today;
    bool old;
  } cases[] = {
      {"same day", {2026, 5, 10}, {2026, 5, 10}, false},
      {"the day before the month is up", {2026, 5, 10}, {2026, 6, 9}, false},
      {"the month is up", {2026, 5, 10}, {2026, 6, 10}, true},
      {"later still", {2026, 5, 10}, {2027, 1, 1}, true},
      {"31 January is not old on 28 February", {2026, 1, 31}, {2026, 2, 28}, false},
      {"nor on 29 February of a leap year", {2028, 1, 31}, {2028, 2, 29}, false},
      {"but from 1 March", {2026, 1, 31}, {2026, 3, 1}, true},
      {"December moves to January of the next year", {2026, 12, 15}, {2027, 1, 15}, true},
      {"the day before in January", {2026, 12, 15}, {2027, 1, 14}, false},
      {"late December to the next year's end of January", {2026, 12, 31}, {2027, 1, 31}, true},
      {"December this year is not next January", {2026, 12, 15}, {2026, 12, 31}, false},
      {"a file written in the future is never old", {2030, 1, 1}, {2026, 6, 1}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.old, UnchangedForAMonth(c.written, c.today)) << c.why;
  }
}

TEST(MonthRule, OneMonthLaterKeepsTheDayUnclamped) {
  struct Case {
    const char* why;
    TCalendarDate date;
    long expected;
  } cases[] = {
      {"within a year", {2026, 3, 14}, 20260414},
      {"past a short month's end", {2026, 1, 31}, 20260231},
      {"December wraps", {2026, 12, 1}, 20270101},
      {"November stays in the year", {2026, 11, 30}, 20261230},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, DateNumber(OneMonthLater(c.date))) << c.why;
  }
}
