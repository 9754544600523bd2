// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/calendardate.h"

using namespace Qt::StringLiterals;

QString CalendarDate::defaultCalendarFormat()
{
    return u"%Y-%m-%d %H:%M:%S %z"_s;
}

CalendarDate::CalendarDate(const QDateTime &moment, const QTimeZone &timeZone,
                           QString calendarFormat)
    : m_moment(moment.toTimeZone(timeZone))
    , m_calendarFormat(std::move(calendarFormat))
{}
