// SPDX-License-Identifier: GPL-3.0-or-later
// Builds test contacts in a line or two: text properties and labelled lists with an
// optional primary entry.
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/multivalue.h"

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

struct Entry
{
    QVariant value;
    QString label;
};

inline MultiValue multiValue(const std::vector<Entry> &entries, int primary = -1)
{
    MultiValue list;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const QString id = list.addValue(entries[i].value, entries[i].label);
        if (i == primary)
            list.setPrimaryIdentifier(id);
    }
    return list;
}

inline ABPerson person(const std::vector<std::pair<ABProperty, QVariant>> &properties)
{
    ABPerson contact(QStringLiteral("ann:ABPerson"));
    for (const auto &[property, value] : properties)
        contact.setValue(value, property);
    return contact;
}

inline QVariant listValue(const std::vector<Entry> &entries, int primary = -1)
{
    return QVariant::fromValue(multiValue(entries, primary));
}
