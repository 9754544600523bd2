// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/abperson.h"

#include "describe.h"
#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

MultiValue entries(std::initializer_list<std::pair<QString, QVariant>> values, qsizetype primary)
{
    MultiValue list;
    for (const auto &[label, value] : values) {
        const QString identifier = list.addValue(value, label);
        if (list.count() - 1 == primary)
            list.setPrimaryIdentifier(identifier);
    }
    return list;
}

struct RoundTripRow : NamedRow
{
    ABProperty property;
    QVariant value;
    QString expected;
};

class PersonValue : public testing::TestWithParam<RoundTripRow>
{};

TEST_P(PersonValue, comesBackAsSet)
{
    ABPerson person(u"p:ABPerson"_s);
    person.setValue(u"Ann"_s, kABFirstNameProperty); // values of other properties stay apart
    person.setValue(GetParam().value, GetParam().property);
    EXPECT_EQ(describe(person.valueForProperty(GetParam().property)), GetParam().expected);
    EXPECT_EQ(person.valueForProperty(kABFirstNameProperty), u"Ann"_s);
}

INSTANTIATE_TEST_SUITE_P(
    ABPerson, PersonValue,
    testing::Values(
        RoundTripRow{"text", kABNoteProperty, u"Grüße\nzweite Zeile"_s, u"Grüße\nzweite Zeile"_s},
        RoundTripRow{"flags", kABPersonFlags, qint64(1), u"1"_s},
        RoundTripRow{"birthdayWithoutYear", kABBirthdayProperty,
                     QVariant::fromValue(ContactDate::withoutYear(2, 29)), u"--02-29"_s},
        RoundTripRow{
            "phonesWithPrimaryAndCustomLabel", kABPhoneProperty,
            QVariant::fromValue(entries(
                {{kABHomeLabel, u"1"_s}, {u"Ferienhaus"_s, u"2"_s}, {QString(), u""_s}}, 1)),
            u"home: 1 / *Ferienhaus: 2 / : "_s},
        RoundTripRow{
            "otherDates", kABOtherDatesProperty,
            QVariant::fromValue(entries(
                {{kABAnniversaryLabel, QVariant::fromValue(ContactDate(QDate(1999, 3, 18)))},
                 {kABOtherLabel, QVariant::fromValue(ContactDate::withoutYear(4, 12))}},
                0)),
            u"*anniversary: 1999-03-18 / other: --04-12"_s},
        RoundTripRow{
            "addressesKeepOnlyTheirFields", kABAddressProperty,
            QVariant::fromValue(entries(
                {{kABWorkLabel,
                  QVariantMap{{kABAddressCityKey, u"Wien"_s}, {kABAddressZIPKey, u"1010"_s}}},
                 {kABHomeLabel, QVariantMap{{kABAddressStreetKey, u"a\nb"_s}}}},
                -1)),
            u"work: city=Wien; zip=1010 / home: street=a\nb"_s},
        RoundTripRow{"removedByAnInvalidValue", kABEmailProperty, QVariant(), QString()}),
    RowName());

// Each text property set to a text of its own: two properties sharing a slot would show.
TEST(ABPerson, givesBackEveryTextPropertyAsSet)
{
    ABPerson person(u"p:ABPerson"_s);
    for (int i = 0; i < kABPropertyCount; ++i)
        person.setValue(u"text %1"_s.arg(i), static_cast<ABProperty>(i));
    int texts = 0;
    for (int i = 0; i < kABPropertyCount; ++i) {
        const auto property = static_cast<ABProperty>(i);
        if (const std::optional<QString> text = person.stringForProperty(property)) {
            EXPECT_EQ(*text, u"text %1"_s.arg(i)) << i;
            ++texts;
        }
    }
    EXPECT_EQ(texts, 9);
    EXPECT_EQ(person.stringForProperty(kABNoteProperty), u"text %1"_s.arg(int(kABNoteProperty)));
}

TEST(ABPerson, hasNoValueForAPropertyNeverSet)
{
    const ABPerson person(u"p:ABPerson"_s);
    EXPECT_FALSE(person.valueForProperty(kABLastNameProperty).isValid());
    EXPECT_FALSE(person.stringForProperty(kABLastNameProperty));
    EXPECT_FALSE(person.multiValueForProperty(kABPhoneProperty));
    EXPECT_FALSE(person.imageData());
}

TEST(ABPerson, keepsAnEmptyTextApartFromNone)
{
    ABPerson person(u"p:ABPerson"_s);
    person.setValue(u""_s, kABJobTitleProperty);
    EXPECT_EQ(person.stringForProperty(kABJobTitleProperty), u""_s);
    EXPECT_TRUE(person.valueForProperty(kABJobTitleProperty).isValid());
}

TEST(MultiValue, namesEntriesOnlyByTheirOwnIdentifiers)
{
    const MultiValue list = entries({{kABHomeLabel, u"a"_s}, {kABWorkLabel, u"b"_s}}, -1);
    EXPECT_EQ(list.primaryIdentifier(), QString());
    EXPECT_EQ(list.indexForIdentifier(list.identifierAtIndex(1)), 1);
    EXPECT_FALSE(list.indexForIdentifier(u"01"));
    EXPECT_FALSE(list.indexForIdentifier(u"2"));
    EXPECT_FALSE(list.indexForIdentifier(QString()));
    EXPECT_FALSE(list.valueAtIndex(2).isValid());
}

} // namespace
