#pragma once
// When a file counts as not changed for a month: its last-write date moved
// on by one calendar month, the day kept as it is, has been reached. Days
// past a short month's end are not clamped, so a file written on 31 January
// counts from 1 March, not from the end of February.

struct TCalendarDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

// The same day one month later; December moves to January of the next year.
TCalendarDate OneMonthLater(TCalendarDate date);
// year * 10000 + month * 100 + day: dates compare as these numbers do, also
// the unclamped ones such as 31 February.
long DateNumber(TCalendarDate date);
// `today` is on or after the month-later date of `written`.
bool UnchangedForAMonth(TCalendarDate written, TCalendarDate today);
