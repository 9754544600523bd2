// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of contacts' dates, each worked out once per card context: formatting a date in
// the user's long style costs far more than looking it up, and birthdays and anniversaries
// repeat across an address book.
//
//   DateTexts texts;
//   const QString &text = texts.longText(date, formats, timeZone, locale); // "7 December 1990"
#pragma once

#include <QHash>
#include <QString>

class ContactDate;
class DateFormatSource;
class QLocale;
class QTimeZone;

class DateTexts final
{
public:
    /// longDateString(date, formats, timeZone, locale); the caller passes the same formats,
    /// time zone and locale every time.
    [[nodiscard]] const QString &longText(const ContactDate &date, const DateFormatSource &formats,
                                          const QTimeZone &timeZone, const QLocale &locale);

private:
    QHash<qint64, QString> m_texts;
};
