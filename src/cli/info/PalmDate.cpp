#include "PalmDate.h"

#include <cstdio>

namespace vantoro {

std::string PalmDate::Format(uint32_t secondsSince1904) {
    if (secondsSince1904 == 0) return "never";
    int64_t days = secondsSince1904 / 86400;
    const uint32_t secondOfDay = secondsSince1904 % 86400;
    // Civil date from a day count (proleptic Gregorian), with years that start in March
    // so that the leap day ends them; 695361 days lie between 0000-03-01 and 1904-01-01.
    days += 695361;
    const int64_t era = days / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02u:%02u:%02u UTC", int(year), int(month),
                  int(day), secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
    return text;
}

}  // namespace vantoro
