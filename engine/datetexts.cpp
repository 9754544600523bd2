// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/datetexts.h"

#include "addressbook/contactdate.h"
#include "engine/contactdatetext.h"

namespace {

// Every day of a century or so, with and without its year; past this many the table starts
// over rather than grow with the address book.
constexpr qsizetype kMaximumTexts = 65536;

qint64 keyOf(const ContactDate &date)
{
    return date.date().toJulianDay() * 2 + (date.hasYear() ? 1 : 0);
}

} // namespace

const QString &DateTexts::longText(const ContactDate &date, const DateFormatSource &formats,
                                   const QTimeZone &timeZone, const QLocale &locale)
{
    const qint64 key = keyOf(date);
    if (const auto found = m_texts.constFind(key); found != m_texts.constEnd())
        return *found;
    if (m_texts.size() >= kMaximumTexts)
        m_texts.clear();
    return *m_texts.insert(key, longDateString(date, formats, timeZone, locale));
}
