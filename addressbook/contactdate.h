// SPDX-License-Identifier: GPL-3.0-or-later
// A contact's date (birthday, anniversary): a calendar day, with or without its year. Cards
// often store a birthday without the year; such a date keeps a placeholder leap year so
// that 29 February stays valid, and says so through hasYear().
#pragma once

#include <QDate>
#include <QMetaType>

class ContactDate final
{
public:
    /// The year a date without one is kept in (a leap year).
    static constexpr int kNoYear = 1604;

    ContactDate() = default;
    explicit ContactDate(QDate date)
        : m_date(date)
    {}
    [[nodiscard]] static ContactDate withoutYear(int month, int day)
    {
        ContactDate date(QDate(kNoYear, month, day));
        date.m_hasYear = false;
        return date;
    }

    /// The day; in year kNoYear when hasYear() is false.
    [[nodiscard]] QDate date() const { return m_date; }
    [[nodiscard]] bool hasYear() const { return m_hasYear; }
    [[nodiscard]] bool isValid() const { return m_date.isValid(); }

    [[nodiscard]] bool operator==(const ContactDate &other) const = default;

private:
    QDate m_date;
    bool m_hasYear = true;
};

Q_DECLARE_METATYPE(ContactDate)
