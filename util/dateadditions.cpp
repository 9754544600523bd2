// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/dateadditions.h"

#include "util/calendarformatter.h"
#include "util/datestyle.h"

#include <QStringList>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

QString formatted(const CalendarDate &date, DateStyle style, const DateFormatSource &formats)
{
    return CalendarFormatter().format(date.moment(), calendarFormat(style, formats));
}

} // namespace

namespace QEV_NSCalendarDateAdditions {

QString longDateString(const CalendarDate &date, const DateFormatSource &formats)
{
    return formatted(date, DateStyle::LongDate, formats);
}

QString longTimeDateString(const CalendarDate &date, const DateFormatSource &formats)
{
    return formatted(date, DateStyle::LongTimeDate, formats);
}

QString shortDateString(const CalendarDate &date, const DateFormatSource &formats)
{
    return formatted(date, DateStyle::ShortDate, formats);
}

QString shortTimeDateString(const CalendarDate &date, const DateFormatSource &formats)
{
    return formatted(date, DateStyle::ShortTimeDate, formats);
}

QString timeString(const CalendarDate &date, const DateFormatSource &formats)
{
    return formatted(date, DateStyle::Time, formats);
}

} // namespace QEV_NSCalendarDateAdditions

namespace QEV_NSDateAdditions {

CalendarDate calendarDate(const QDateTime &moment)
{
    return CalendarDate(moment, QTimeZone::systemTimeZone());
}

const CalendarDate &calendarDate(const CalendarDate &date)
{
    return date;
}

QString longDateString(const QDateTime &moment, const DateFormatSource &formats)
{
    return QEV_NSCalendarDateAdditions::longDateString(calendarDate(moment), formats);
}

QString longTimeDateString(const QDateTime &moment, const DateFormatSource &formats)
{
    return QEV_NSCalendarDateAdditions::longTimeDateString(calendarDate(moment), formats);
}

QString shortDateString(const QDateTime &moment, const DateFormatSource &formats)
{
    return QEV_NSCalendarDateAdditions::shortDateString(calendarDate(moment), formats);
}

QString shortTimeDateString(const QDateTime &moment, const DateFormatSource &formats)
{
    return QEV_NSCalendarDateAdditions::shortTimeDateString(calendarDate(moment), formats);
}

QString timeString(const QDateTime &moment, const DateFormatSource &formats)
{
    return QEV_NSCalendarDateAdditions::timeString(calendarDate(moment), formats);
}

QString elapsedTimeStringForSeconds(std::int32_t seconds, const DurationUnits &units)
{
    const std::int32_t days = seconds / 86400;
    std::int32_t rest = seconds - days * 86400;
    const std::int32_t hours = rest / 3600;
    rest -= hours * 3600;
    const std::int32_t minutes = rest / 60;
    const std::int32_t secs = rest - minutes * 60;

    // Largest unit first; units holds singular then plural, smallest unit first.
    const std::array<std::pair<std::int32_t, std::size_t>, 4> parts{
        {{days, 6}, {hours, 4}, {minutes, 2}, {secs, 0}}};
    QStringList texts;
    for (const auto &[value, singular] : parts) {
        if (value <= 0)
            continue;
        const QString &unit = value == 1 ? units[singular] : units[singular + 1];
        texts.append(u"%1 %2"_s.arg(value).arg(unit));
    }
    return texts.join(u", "_s);
}

} // namespace QEV_NSDateAdditions
