// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a property value as one short line, so a table row can state what a card must
// give: "home: 1 / *work: 2" (the primary entry starred), dates as "1980-03-22" or
// "--04-12", address records as "street=...; city=...".
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/contactdate.h"

#include <QStringList>

inline QString describe(const QVariant &value);

inline QString describeAddress(const QVariantMap &address)
{
    QStringList parts;
    for (const QString &key : {kABAddressStreetKey, kABAddressCityKey, kABAddressStateKey,
                               kABAddressZIPKey, kABAddressCountryKey, kABAddressCountryCodeKey}) {
        if (address.contains(key))
            parts.append(key + u'=' + address.value(key).toString());
    }
    return parts.join(QStringLiteral("; "));
}

inline QString describeEntries(const MultiValue &values)
{
    const std::optional<qsizetype> primary = values.indexForIdentifier(values.primaryIdentifier());
    QStringList entries;
    for (qsizetype i = 0; i < values.count(); ++i) {
        const QString star = primary == i ? QStringLiteral("*") : QString();
        entries.append(star + values.labelAtIndex(i) + QStringLiteral(": ")
                       + describe(values.valueAtIndex(i)));
    }
    return entries.join(QStringLiteral(" / "));
}

inline QString describe(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<MultiValue>())
        return describeEntries(value.value<MultiValue>());
    if (value.metaType() == QMetaType::fromType<ContactDate>()) {
        const ContactDate date = value.value<ContactDate>();
        return date.date().toString(date.hasYear() ? QStringLiteral("yyyy-MM-dd")
                                                   : QStringLiteral("--MM-dd"));
    }
    if (value.typeId() == QMetaType::QVariantMap)
        return describeAddress(value.toMap());
    return value.toString();
}
