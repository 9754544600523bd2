// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/namerecord.h"

#include "addressbook/abperson.h"
#include "addressbook/comparators.h"
#include "settings/exportsettings.h"
#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
using namespace QEV_NSStringAdditionsSubset;

namespace {

QString join(const QString &first, const QString &second, const QString &separator)
{
    if (!first.isEmpty() && !second.isEmpty())
        return first + separator + second;
    return first + second;
}

} // namespace

NameRecord makeNameFromPerson(const ABPerson &person, const ExportSettings &settings)
{
    const auto text = [&](ABProperty property) {
        return person.stringForProperty(property).value_or(QString());
    };
    const QString organization = text(kABOrganizationProperty);

    const QString titleAndFirst = join(text(kABTitleProperty), text(kABFirstNameProperty), u" "_s);
    const QString givenPart = join(titleAndFirst, text(kABMiddleNameProperty), u" "_s);
    const QString familyPart = join(text(kABLastNameProperty), text(kABSuffixProperty), u", "_s);
    const QString fullName = join(givenPart, familyPart, u" "_s);

    NameRecord record;
    record.displayName = fullName.isEmpty() ? organization : fullName;
    record.sortName = settings.sortByLast ? familyPart + givenPart : givenPart + familyPart;
    if (record.sortName.isEmpty())
        record.sortName = withoutStripPrefixes(organization);
    record.initial = stripDiacritical(firstCharacter(record.sortName)).toUpper();
    return record;
}
