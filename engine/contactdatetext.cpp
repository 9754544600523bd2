// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contactdatetext.h"

#include "addressbook/contactdate.h"
#include "util/calendarformatter.h"
#include "util/datestyle.h"

#include <QTimeZone>

namespace {

// The user's long format, as calendarFormat reads it, but with the page's locale behind it
// rather than the desktop's: an empty stored format counts as none.
QString longDateFormat(const DateFormatSource &formats, const QLocale &locale)
{
    const std::optional<QString> stored
        = formats.calendarFormatForKey(preferenceKey(DateStyle::LongDate));
    return stored && !stored->isEmpty() ? *stored
                                        : defaultCalendarFormat(DateStyle::LongDate, locale);
}

} // namespace

QString longDateString(const ContactDate &date, const DateFormatSource &formats,
                       const QTimeZone &timeZone, const QLocale &locale)
{
    if (!date.isValid())
        return {};
    // Noon, so that no time zone moves the day.
    const QDateTime moment(date.date(), QTime(12, 0), timeZone);
    const QString format = longDateFormat(formats, locale);
    return CalendarFormatter(locale).format(
        moment, date.hasYear() ? format : CalendarFormatter::withoutYear(format));
}
