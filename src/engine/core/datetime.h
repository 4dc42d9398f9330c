#pragma once

#include <string>

namespace mv {

// Dates and times are kept as a day count with the time as its fraction, day 0 being
// 30 December 1899 (the representation the stored files and logs were designed around).
using TDateTime = double;

struct TDateParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// Throws EConvertError for an impossible date or time.
TDateTime EncodeDateTime(const TDateParts& parts);
bool IsValidDate(int year, int month, int day);
TDateParts DecodeDateTime(TDateTime value);
// The local time now.
TDateTime Now();
// "dd.mm.yyyy hh:nn:ss"
std::string DateTimeText(TDateTime value);

}  // namespace mv
