// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contactdatetext.h"

#include "addressbook/contactdate.h"
#include "util/calendarformatter.h"
#include "util/datestyle.h"

#include <QTimeZone>

QString longDateString(const ContactDate &date, const DateFormatSource &formats,
                       const QTimeZone &timeZone, const QLocale &locale)
{
    if (!date.isValid())
        return {};
    // Noon, so that no time zone moves the day.
    const QDateTime moment(date.date(), QTime(12, 0), timeZone);
    // The user's long format, with the page's locale behind it rather than the desktop's.
    const QString format = calendarFormat(DateStyle::LongDate, formats, locale);
    return CalendarFormatter(locale).format(
        moment, date.hasYear() ? format : CalendarFormatter::withoutYear(format));
}
