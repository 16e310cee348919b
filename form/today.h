// Today's date, as the input form's date field, the printed pages and the
// HY-8 files carry it.
#pragma once

#include <string>

namespace kelp {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Today's date on the local clock.
CalendarDate LocalDate();
// The local clock's date, or, when SOURCE_DATE_EPOCH holds a number of
// seconds since 1970, the day of that moment in UTC, so that dated outputs
// can be reproduced. Throws std::invalid_argument, naming the text, when the
// variable holds anything else.
CalendarDate ReproducibleDate();
// "2024-05-01", as the date field and the pages' foot show a date.
std::string IsoDateText(const CalendarDate& date);
// Today's date on the local clock as the date field shows it.
std::string TodayText();

}  // namespace kelp
