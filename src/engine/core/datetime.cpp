#include "engine/core/datetime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "engine/core/errors.h"
#include "engine/core/messages.h"

namespace mv {
namespace {

// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's algorithm).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long yy = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

constexpr long long kEpochShift = 25569;  // days from 1899-12-30 to 1970-01-01

}  // namespace

bool IsValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= last;
}

TDateTime EncodeDateTime(const TDateParts& p) {
    if (!IsValidDate(p.Year, p.Month, p.Day)) throw EConvertError(Msg(TMsg::InvalidDate));
    if (p.Hour < 0 || p.Hour > 23 || p.Minute < 0 || p.Minute > 59 || p.Second < 0 ||
        p.Second > 59 || p.Millisecond < 0 || p.Millisecond > 999) {
        throw EConvertError(Msg(TMsg::InvalidTime));
    }
    const double days = static_cast<double>(
        DaysFromCivil(p.Year, static_cast<unsigned>(p.Month), static_cast<unsigned>(p.Day)) +
        kEpochShift);
    const double time =
        (p.Hour * 3600000.0 + p.Minute * 60000.0 + p.Second * 1000.0 + p.Millisecond) /
        86400000.0;
    return days + time;
}

TDateParts DecodeDateTime(TDateTime value) {
    TDateParts p;
    const double dayPart = std::floor(value);
    long long ms = std::llround((value - dayPart) * 86400000.0);
    long long days = static_cast<long long>(dayPart);
    if (ms >= 86400000) {
        ms -= 86400000;
        ++days;
    }
    CivilFromDays(days - kEpochShift, p.Year, p.Month, p.Day);
    p.Hour = static_cast<int>(ms / 3600000);
    p.Minute = static_cast<int>(ms / 60000 % 60);
    p.Second = static_cast<int>(ms / 1000 % 60);
    p.Millisecond = static_cast<int>(ms % 1000);
    return p;
}

TDateTime Now() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm local{};
    localtime_r(&ts.tv_sec, &local);
    TDateParts p{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                 local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ts.tv_nsec / 1000000)};
    return EncodeDateTime(p);
}

std::string DateTimeText(TDateTime value) {
    const TDateParts p = DecodeDateTime(value);
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d %02d:%02d:%02d", p.Day, p.Month, p.Year,
                  p.Hour, p.Minute, p.Second);
    return buffer;
}

}  // namespace mv
