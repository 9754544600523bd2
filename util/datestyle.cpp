// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/datestyle.h"

#include "util/calendarformatter.h"

using namespace Qt::StringLiterals;

QString preferenceKey(DateStyle style)
{
    switch (style) {
    case DateStyle::LongDate:
        return u"NSDateFormatString"_s;
    case DateStyle::LongTimeDate:
        return u"NSTimeDateFormatString"_s;
    case DateStyle::ShortDate:
        return u"NSShortDateFormatString"_s;
    case DateStyle::ShortTimeDate:
        return u"NSShortTimeDateFormatString"_s;
    case DateStyle::Time:
        return u"NSTimeFormatString"_s;
    }
    Q_UNREACHABLE();
}

QString defaultCalendarFormat(DateStyle style, const QLocale &locale)
{
    switch (style) {
    case DateStyle::LongDate:
        return CalendarFormatter::fromQtFormat(locale.dateFormat(QLocale::LongFormat));
    case DateStyle::LongTimeDate:
        return CalendarFormatter::fromQtFormat(locale.dateTimeFormat(QLocale::LongFormat));
    case DateStyle::ShortDate:
        return CalendarFormatter::fromQtFormat(locale.dateFormat(QLocale::ShortFormat));
    case DateStyle::ShortTimeDate:
        return CalendarFormatter::fromQtFormat(locale.dateTimeFormat(QLocale::ShortFormat));
    case DateStyle::Time:
        return CalendarFormatter::fromQtFormat(locale.timeFormat(QLocale::LongFormat));
    }
    Q_UNREACHABLE();
}

// An empty stored format would blank every date of that style, so it counts as no choice.
QString calendarFormat(DateStyle style, const DateFormatSource &formats, const QLocale &locale)
{
    const std::optional<QString> stored = formats.calendarFormatForKey(preferenceKey(style));
    if (stored && !stored->isEmpty())
        return *stored;
    return defaultCalendarFormat(style, locale);
}
