// SPDX-License-Identifier: GPL-3.0-or-later
// Formats a moment with a calendar format: literal text with %-conversions such as
// "%A, %e %B %Y" or "%Y-%m-%d %H:%M:%S %z". Names of months, weekdays and the AM/PM marker
// come from the formatter's locale.
//
//   CalendarFormatter(QLocale(u"en_US"_s)).format(moment, u"%a %d %b %Y"_s)  // "Tue 07 Dec 2027"
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringView>

class CalendarFormatter final
{
public:
    explicit CalendarFormatter(const QLocale &locale = QLocale());

    /// The moment, in its own time zone, written with calendarFormat. Conversions:
    /// %% %a %A %b %B %c %d %e %F %H %I %j %m %M %p %S %w %x %X %y %Y %Z %z. A "-" after
    /// the % drops a number's leading zeros ("%-m" writes March as "3"). An unknown
    /// conversion, or a % at the very end, is written as it stands.
    [[nodiscard]] QString format(const QDateTime &moment, QStringView calendarFormat) const;

    /// Translates a Qt date/time format ("dddd, d MMMM yyyy", "M/d/yy h:mm") into the calendar
    /// notation ("%A, %e %B %Y", "%-m/%e/%y %-H:%M"), so that defaults follow the user's
    /// locale; one-letter number fields stay unpadded, as Qt writes them.
    [[nodiscard]] static QString fromQtFormat(QStringView qtFormat);

    /// The format without the conversions that need a year (year, weekday, day of the
    /// year), each taken together with the separator that joins it to the rest:
    /// "%A, %B %e, %Y" gives "%B %e", "%e. %B %Y" gives "%e. %B". For days stored without
    /// their year.
    [[nodiscard]] static QString withoutYear(QStringView calendarFormat);

private:
    [[nodiscard]] QString conversion(const QDateTime &moment, QChar specifier) const;
    [[nodiscard]] QString hour12(const QDateTime &moment) const;

    QLocale m_locale;
};
