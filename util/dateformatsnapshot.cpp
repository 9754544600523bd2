// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/dateformatsnapshot.h"

#include "util/datestyle.h"

DateFormatSnapshot::DateFormatSnapshot(const DateFormatSource &source)
{
    for (const DateStyle style :
         {DateStyle::LongDate, DateStyle::LongTimeDate, DateStyle::ShortDate,
          DateStyle::ShortTimeDate, DateStyle::Time}) {
        const QString key = preferenceKey(style);
        m_formats.insert(key, source.calendarFormatForKey(key));
    }
}

std::optional<QString> DateFormatSnapshot::calendarFormatForKey(const QString &key) const
{
    return m_formats.value(key);
}
