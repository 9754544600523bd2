// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/namerecord.h"

#include "addressbook/abperson.h"
#include "addressbook/comparators.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
namespace strings = QEV_NSStringAdditionsSubset;

namespace {

QString join(const QString &first, const QString &second, const QString &separator)
{
    if (!first.isEmpty() && !second.isEmpty())
        return first + separator + second;
    return first + second;
}

struct NameParts
{
    QString givenPart;  // title, first and middle name
    QString familyPart; // last name and suffix
    QString organization;
};

NameParts namePartsOf(const ABPerson &person)
{
    const auto text = [&](ABProperty property) {
        return person.stringForProperty(property).value_or(QString());
    };
    const QString titleAndFirst = join(text(kABTitleProperty), text(kABFirstNameProperty), u" "_s);
    return {join(titleAndFirst, text(kABMiddleNameProperty), u" "_s),
            join(text(kABLastNameProperty), text(kABSuffixProperty), u", "_s),
            text(kABOrganizationProperty)};
}

QString displayNameOf(const NameParts &parts)
{
    const QString fullName = join(parts.givenPart, parts.familyPart, u" "_s);
    return fullName.isEmpty() ? parts.organization : fullName;
}

} // namespace

NameRecord makeNameFromPerson(const ABPerson &person, const ExportSettings &settings,
                              const QStringList &prefixes)
{
    const NameParts parts = namePartsOf(person);
    NameRecord record;
    record.displayName = displayNameOf(parts);
    record.sortName = settings.sortByLast ? parts.familyPart + parts.givenPart
                                          : parts.givenPart + parts.familyPart;
    if (record.sortName.isEmpty())
        record.sortName = withoutPrefixes(parts.organization, prefixes);
    record.initial = strings::stripDiacritical(strings::firstCharacter(record.sortName)).toUpper();
    return record;
}

QString makeDisplayName(const ABPerson &person)
{
    return displayNameOf(namePartsOf(person));
}
