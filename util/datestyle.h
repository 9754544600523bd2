// SPDX-License-Identifier: GPL-3.0-or-later
// The five date styles a user chooses in the regional settings, the preference key that
// holds each one's calendar format, and the default that follows the locale when the
// user has none.
#pragma once

#include "util/dateformatsource.h"

#include <QLocale>
#include <QString>

enum class DateStyle {
    LongDate,      // "NSDateFormatString"
    LongTimeDate,  // "NSTimeDateFormatString"
    ShortDate,     // "NSShortDateFormatString"
    ShortTimeDate, // "NSShortTimeDateFormatString"
    Time,          // "NSTimeFormatString"
};

[[nodiscard]] QString preferenceKey(DateStyle style);
/// The locale's own format for the style, in calendar notation.
[[nodiscard]] QString defaultCalendarFormat(DateStyle style, const QLocale &locale);
/// The user's format for the style, read from formats now; locale's where the user has none
/// or an empty one.
[[nodiscard]] QString calendarFormat(DateStyle style, const DateFormatSource &formats,
                                     const QLocale &locale = QLocale());
