// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/contactdatetext.h"

#include "addressbook/contactdate.h"
#include "util/calendarformatter.h"
#include "util/dateadditions.h"
#include "util/datestyle.h"

#include <QTimeZone>

QString longDateString(const ContactDate &date, const DateFormatSource &formats,
                       const QTimeZone &timeZone)
{
    if (!date.isValid())
        return {};
    // Noon, so that no time zone moves the day.
    const QDateTime moment(date.date(), QTime(12, 0), timeZone);
    if (date.hasYear())
        return QEV_NSCalendarDateAdditions::longDateString(CalendarDate(moment, timeZone), formats);
    const QString format
        = CalendarFormatter::withoutYear(calendarFormat(DateStyle::LongDate, formats));
    return CalendarFormatter().format(moment, format);
}
