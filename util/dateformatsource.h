// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user's date formats come from. The preferences store implements it; the date
// functions only need this much of it, so the text library stays free of the store.
#pragma once

#include <QString>

#include <optional>

class DateFormatSource
{
public:
    virtual ~DateFormatSource() = default;

    /// The calendar format stored under key ("NSDateFormatString", ...), or nothing when
    /// the user has not chosen one.
    [[nodiscard]] virtual std::optional<QString> calendarFormatForKey(const QString &key) const = 0;

protected:
    DateFormatSource() = default;
    DateFormatSource(const DateFormatSource &) = default;
    DateFormatSource &operator=(const DateFormatSource &) = default;
};
