#include "framework/path/pure/MonthRule.h"

TCalendarDate OneMonthLater(TCalendarDate date) {
  if (date.month >= 12) return {date.year + 1, 1, date.day};
  return {date.year, date.month + 1, date.day};
}

long DateNumber(TCalendarDate date) {
  return static_cast<long>(date.year) * 10000L + static_cast<long>(date.month) * 100L + date.day;
}

bool UnchangedForAMonth(TCalendarDate written, TCalendarDate today) {
  return DateNumber(today) >= DateNumber(OneMonthLater(written));
}
