// SPDX-License-Identifier: GPL-3.0-or-later
// A point in time together with the time zone it is shown in and its own calendar format,
// as opposed to a plain QDateTime, which is only the point in time.
#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

class CalendarDate final
{
public:
    /// The format a calendar date made from a plain date starts with.
    [[nodiscard]] static QString defaultCalendarFormat();

    CalendarDate(const QDateTime &moment, const QTimeZone &timeZone,
                 QString calendarFormat = defaultCalendarFormat());

    /// The point in time, expressed in timeZone().
    [[nodiscard]] QDateTime moment() const { return m_moment; }
    [[nodiscard]] QTimeZone timeZone() const { return m_moment.timeZone(); }
    [[nodiscard]] QString calendarFormat() const { return m_calendarFormat; }

    [[nodiscard]] bool operator==(const CalendarDate &other) const = default;

private:
    QDateTime m_moment;
    QString m_calendarFormat;
};
