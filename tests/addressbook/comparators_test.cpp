// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/abperson.h"
#include "addressbook/comparators.h"

#include "qtprinters.h"
#include "rowname.h"
#include "striplisttranslator.h"

#include <QCoreApplication>
#include <QLocale>

#include <vector>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto kAscending = ComparisonResult::OrderedAscending;
constexpr auto kSame = ComparisonResult::OrderedSame;
constexpr auto kDescending = ComparisonResult::OrderedDescending;

TEST(StringSort, ignoresCaseAndSortsAccentsWithTheirLetters)
{
    EXPECT_EQ(stringSort(u"friends"_s, u"Friends"_s), kSame);
    EXPECT_EQ(stringSort(u"Émile"_s, u"Zoe"_s), kAscending);
    EXPECT_EQ(stringSort(u"émile"_s, u"Eve"_s), kAscending);
    EXPECT_EQ(stringSort(u"Dean"_s, u"DeAnn"_s), kAscending);
}

TEST(StringSort, followsTheUsersLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    const ComparisonResult swedish = stringSort(u"Öberg"_s, u"Zander"_s);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const ComparisonResult german = stringSort(u"Öberg"_s, u"Zander"_s);
    QLocale::setDefault(before);
    EXPECT_EQ(swedish, kDescending); // Ö is a letter after Z in Swedish
    EXPECT_EQ(german, kAscending);
}

struct NumericRow : NamedRow
{
    QVariant first;
    QVariant second;
    std::optional<QString> key;
    ComparisonResult expected;
};

class NumericSort : public testing::TestWithParam<NumericRow>
{};

TEST_P(NumericSort, comparesValuesOrValuesUnderAKey)
{
    EXPECT_EQ(numericSort(GetParam().first, GetParam().second, GetParam().key),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Comparators, NumericSort,
    testing::Values(NumericRow{"smallerFirst", 1, 2, std::nullopt, kAscending},
                    NumericRow{"mixedKinds", 2.5, 2, std::nullopt, kDescending},
                    NumericRow{"equal", 3, 3.0, std::nullopt, kSame},
                    NumericRow{"tenAfterNine", 10, 9, std::nullopt, kDescending},
                    NumericRow{"underAKey", QVariantMap{{u"length"_s, 7}},
                               QVariantMap{{u"length"_s, 12}}, u"length"_s, kAscending}),
    RowName());

TEST(NumericSortImpl, putsTheLargestFirst)
{
    const QVariantMap top{{u"y"_s, 200.0}};
    const QVariantMap bottom{{u"y"_s, 10.0}};
    EXPECT_EQ(numericSortImpl(top, bottom, u"y"_s), kAscending);
    EXPECT_EQ(numericSortImpl(bottom, top, u"y"_s), kDescending);
    EXPECT_EQ(numericSortImpl(top, top, u"y"_s), kSame);
}

ABPerson named(const QString &first, const QString &last, const QString &organization)
{
    ABPerson person(u"p:ABPerson"_s);
    person.setValue(first, kABFirstNameProperty);
    person.setValue(last, kABLastNameProperty);
    person.setValue(organization, kABOrganizationProperty);
    return person;
}

struct AbSortRow : NamedRow
{
    QString orderCode;
    ComparisonResult expected;
};

class AbSort : public testing::TestWithParam<AbSortRow>
{};

TEST_P(AbSort, comparesTheKeysOfTheOrderCode)
{
    const ABPerson ann = named(u"Ann"_s, u"Zeta"_s, u"The Beta Co"_s);
    const ABPerson bo = named(u"Bo"_s, u"Alpha"_s, u"A Zulu Co"_s);
    EXPECT_EQ(abSort(ann, bo, GetParam().orderCode), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Comparators, AbSort,
                         testing::Values(AbSortRow{"lastFirst", u"lfc"_s, kDescending},
                                         AbSortRow{"firstLast", u"flc"_s, kAscending},
                                         AbSortRow{"companyWithoutPrefix", u"clf"_s, kAscending},
                                         AbSortRow{"companyFirstName", u"cfl"_s, kAscending},
                                         AbSortRow{"unknownCode", u"xyz"_s, kSame},
                                         AbSortRow{"emptyCode", QString(), kSame}),
                         RowName());

TEST(AbSort, readsTheStripListFromTheUiTable)
{
    EXPECT_EQ(stripPrefixes(), (QStringList{u"The "_s, u"A "_s}));
    EXPECT_EQ(abSortKey(named(QString(), u"the Zoo"_s, QString()), u"lfc"), u"Zoo"_s);
}

// A window that switches language, or a test that installs its own table, must not meet
// the list of the translations installed first.
TEST(AbSort, followsAChangeOfTranslations)
{
    StripListTranslator german(u"Der |Die "_s);
    QCoreApplication::installTranslator(&german);
    EXPECT_EQ(stripPrefixes(), (QStringList{u"Der "_s, u"Die "_s}));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(stripPrefixes(), (QStringList{u"The "_s, u"A "_s}));
}

struct OrderRow : NamedRow
{
    QLocale locale;
    QStringList prefixes;
    QStringList sorted; // last names
};

class SortInOrder : public testing::TestWithParam<OrderRow>
{};

// A page in another language than the user's sorts in that language, whatever QLocale() is.
TEST_P(SortInOrder, followsTheGivenCollationAndPrefixes)
{
    const std::vector<ABPerson> people{named({}, u"Öberg"_s, {}), named({}, u"Zander"_s, {}),
                                       named({}, u"Die Adler"_s, {}), named({}, u"the Berg"_s, {})};
    QList<const ABPerson *> order;
    for (const ABPerson &person : people)
        order.append(&person);
    const QCollator collator = makeNameCollator(GetParam().locale);
    sortPeople(order, u"lfc", {collator, GetParam().prefixes});
    QStringList lastNames;
    for (const ABPerson *person : order)
        lastNames.append(person->stringForProperty(kABLastNameProperty).value_or(QString()));
    EXPECT_EQ(lastNames, GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(
    Comparators, SortInOrder,
    testing::Values(OrderRow{"swedishWithGermanPrefixes",
                             QLocale(QLocale::Swedish),
                             {u"Der "_s, u"Die "_s},
                             {u"Die Adler"_s, u"the Berg"_s, u"Zander"_s, u"Öberg"_s}},
                    OrderRow{"germanWithEnglishPrefixes",
                             QLocale(QLocale::German),
                             {u"The "_s},
                             {u"the Berg"_s, u"Die Adler"_s, u"Öberg"_s, u"Zander"_s}},
                    OrderRow{"posixIsTheRootOrder",
                             QLocale::c(),
                             {},
                             {u"Die Adler"_s, u"Öberg"_s, u"the Berg"_s, u"Zander"_s}}),
    RowName());

} // namespace
