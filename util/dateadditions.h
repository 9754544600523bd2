// SPDX-License-Identifier: GPL-3.0-or-later
// Dates as text in the five styles the user chose, and durations told in days, hours,
// minutes and seconds. The formats are read from the given source on every call, so a
// change of the user's choice shows at once; a style without a stored format follows the
// default locale (QLocale()).
//
//   elapsedTimeStringForSeconds(90061, englishUnits)  // "1 day, 1 hour, 1 minute, 1 second"
#pragma once

#include "util/calendardate.h"
#include "util/dateformatsource.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

namespace QEV_NSCalendarDateAdditions {

/// Each writes the date, in its own time zone, with the format of its style.
[[nodiscard]] QString longDateString(const CalendarDate &date, const DateFormatSource &formats);
[[nodiscard]] QString longTimeDateString(const CalendarDate &date, const DateFormatSource &formats);
[[nodiscard]] QString shortDateString(const CalendarDate &date, const DateFormatSource &formats);
[[nodiscard]] QString shortTimeDateString(const CalendarDate &date,
                                          const DateFormatSource &formats);
[[nodiscard]] QString timeString(const CalendarDate &date, const DateFormatSource &formats);

} // namespace QEV_NSCalendarDateAdditions

namespace QEV_NSDateAdditions {

/// Unit names, singular then plural: seconds, minutes, hours, days.
using DurationUnits = std::array<QString, 8>;

/// The same point in time in the local time zone, with the default calendar format.
[[nodiscard]] CalendarDate calendarDate(const QDateTime &moment);
/// A calendar date is its own calendar date.
[[nodiscard]] const CalendarDate &calendarDate(const CalendarDate &date);

/// calendarDate(moment), then the calendar-date function of the same name.
[[nodiscard]] QString longDateString(const QDateTime &moment, const DateFormatSource &formats);
[[nodiscard]] QString longTimeDateString(const QDateTime &moment, const DateFormatSource &formats);
[[nodiscard]] QString shortDateString(const QDateTime &moment, const DateFormatSource &formats);
[[nodiscard]] QString shortTimeDateString(const QDateTime &moment, const DateFormatSource &formats);
[[nodiscard]] QString timeString(const QDateTime &moment, const DateFormatSource &formats);

/// "1 day, 2 hours, 3 seconds": the non-zero parts, largest first, joined by ", ". Zero or
/// a negative number of seconds gives the empty string.
[[nodiscard]] QString elapsedTimeStringForSeconds(std::int32_t seconds, const DurationUnits &units);

} // namespace QEV_NSDateAdditions
