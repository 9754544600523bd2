// SPDX-License-Identifier: GPL-3.0-or-later
// Lets GoogleTest print Qt strings readably in failure messages.
#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[' << list.join(QLatin1String("|")).toStdString() << ']';
}
