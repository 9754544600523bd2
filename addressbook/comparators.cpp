// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/comparators.h"
#include "addressbook/abperson.h"

#include "util/stringadditions.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

ComparisonResult fromInt(int comparison)
{
    if (comparison < 0)
        return ComparisonResult::OrderedAscending;
    return comparison > 0 ? ComparisonResult::OrderedDescending : ComparisonResult::OrderedSame;
}

// ICU's English collation has no tailoring of its own: it is the root, language-neutral
// order. Qt's collator for the C locale would compare code points instead, putting "Émile"
// after "Zoe".
QLocale collationLocale(const QLocale &locale)
{
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

ABProperty namePartProperty(QChar code)
{
    switch (code.unicode()) {
    case u'l':
        return kABLastNameProperty;
    case u'f':
        return kABFirstNameProperty;
    default:
        return kABOrganizationProperty;
    }
}

bool isOrderCode(QStringView orderCode)
{
    return orderCode == u"lfc" || orderCode == u"flc" || orderCode == u"clf" || orderCode == u"cfl";
}

// The prefixes are the caller's, so that threads making keys side by side read no shared
// cache.
QString sortKeyText(const ABPerson &person, QStringView orderCode, const QStringList &prefixes)
{
    QString key;
    for (const QChar code : orderCode) {
        key += withoutPrefixes(person.stringForProperty(namePartProperty(code)).value_or(QString()),
                               prefixes);
    }
    return key;
}

} // namespace

QCollator makeNameCollator(const QLocale &locale)
{
    QCollator collator(collationLocale(locale));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

const QCollator &nameCollator()
{
    static QString localeName;
    static QCollator collator;
    const QLocale locale = collationLocale(QLocale());
    if (localeName != locale.name() || localeName.isEmpty()) {
        collator = makeNameCollator(locale);
        localeName = locale.name();
    }
    return collator;
}

NameOrder userNameOrder()
{
    return {nameCollator(), stripPrefixes()};
}

// Split again whenever the installed translations give another list, so that a change of
// language (or a test installing its own table) is followed.
const QStringList &stripPrefixes()
{
    static QString listText = u"stripList"_s;
    static QStringList prefixes;
    const QString list = QCoreApplication::translate("ui", "stripList");
    if (list != listText) {
        listText = list;
        prefixes = list.split(u'|', Qt::SkipEmptyParts);
    }
    return prefixes;
}

QString withoutPrefixes(QString text, const QStringList &prefixes)
{
    for (const QString &prefix : prefixes)
        text = QEV_NSStringAdditionsSubset::deprefixCaseInsensitive(text, prefix);
    return text;
}

ComparisonResult stringSort(const QString &first, const QString &second)
{
    return fromInt(nameCollator().compare(first, second));
}

ComparisonResult numericSort(const QVariant &first, const QVariant &second,
                             const std::optional<QString> &key)
{
    const QVariant a = key ? first.toMap().value(*key) : first;
    const QVariant b = key ? second.toMap().value(*key) : second;
    bool numberA = false;
    bool numberB = false;
    const double x = a.toDouble(&numberA);
    const double y = b.toDouble(&numberB);
    if (numberA && numberB)
        return x < y
            ? ComparisonResult::OrderedAscending
            : (x > y ? ComparisonResult::OrderedDescending : ComparisonResult::OrderedSame);
    const QPartialOrdering order = QVariant::compare(a, b);
    if (order == QPartialOrdering::Less)
        return ComparisonResult::OrderedAscending;
    return order == QPartialOrdering::Greater ? ComparisonResult::OrderedDescending
                                              : ComparisonResult::OrderedSame;
}

ComparisonResult numericSortImpl(const QVariantMap &first, const QVariantMap &second,
                                 const QString &key)
{
    return numericSort(second.value(key), first.value(key));
}

std::optional<QString> abSortKey(const ABPerson &person, QStringView orderCode)
{
    if (!isOrderCode(orderCode))
        return std::nullopt;
    return sortKeyText(person, orderCode, stripPrefixes());
}

ComparisonResult abSort(const ABPerson &first, const ABPerson &second, QStringView orderCode)
{
    const std::optional<QString> a = abSortKey(first, orderCode);
    const std::optional<QString> b = abSortKey(second, orderCode);
    if (!a || !b)
        return ComparisonResult::OrderedSame;
    return stringSort(*a, *b);
}

void sortPeople(QList<const ABPerson *> &people, QStringView orderCode, const NameOrder &order)
{
    if (!isOrderCode(orderCode))
        return; // every pair compares as the same: any order is sorted
    const QCollator &collator = order.collator;
    // The collator sets itself up on first use; after that, making keys only reads it and
    // the prefixes, so threads can share them.
    (void)collator.sortKey(QString());
    const QStringList &prefixes = order.prefixes;
    struct Keyed
    {
        QCollatorSortKey key;
        const ABPerson *person;
    };
    std::vector<Keyed> keyed
        = QtConcurrent::blockingMapped<std::vector<Keyed>>(people, [&](const ABPerson *person) {
              return Keyed{collator.sortKey(sortKeyText(*person, orderCode, prefixes)), person};
          });
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const Keyed &a, const Keyed &b) { return a.key.compare(b.key) < 0; });
    for (qsizetype i = 0; i < people.size(); ++i)
        people[i] = keyed[std::size_t(i)].person;
}
