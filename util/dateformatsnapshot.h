// SPDX-License-Identifier: GPL-3.0-or-later
// The user's date formats as they stood when the snapshot was taken. A page's cards are
// written on several threads while the preferences may be read again on the main one (the
// window keeps handling events during a generation); the card writers read this copy.
#pragma once

#include "util/dateformatsource.h"

#include <QHash>

class DateFormatSnapshot final : public DateFormatSource
{
public:
    /// Reads the format of every date style from source now.
    explicit DateFormatSnapshot(const DateFormatSource &source);

    /// What source held for key when the snapshot was taken; nothing for a key that names no
    /// date style.
    [[nodiscard]] std::optional<QString> calendarFormatForKey(const QString &key) const override;

private:
    QHash<QString, std::optional<QString>> m_formats;
};
