// SPDX-License-Identifier: GPL-3.0-or-later
// How a contact is named on the page: the name its card shows, the text it sorts by, and the
// letter it is filed under. A contact without a personal name goes by its organization.
//
//   makeNameFromPerson(anna, settings)
//   // {"Dr. Anna M. Berg, Jr.", "Berg, Jr.Dr. Anna M.", "B"} with sortByLast on
#pragma once

#include "addressbook/comparators.h"

#include <QString>
#include <QStringList>

class ABPerson;
struct ExportSettings;

struct NameRecord
{
    QString displayName; // the full name, or the organization
    QString sortName;    // last-name part first or last, as sortByLast says
    QString initial;     // first character of sortName, without marks, upper case; may be empty

    [[nodiscard]] bool operator==(const NameRecord &other) const = default;
};

/// An organization's sort name loses the strip prefixes, as withoutPrefixes removes them
/// (the user's language's unless given).
[[nodiscard]] NameRecord makeNameFromPerson(const ABPerson &person, const ExportSettings &settings,
                                            const QStringList &prefixes = stripPrefixes());
/// makeNameFromPerson's displayName alone, which a card needs, without the sorting parts.
[[nodiscard]] QString makeDisplayName(const ABPerson &person);
