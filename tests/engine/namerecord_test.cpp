// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/namerecord.h"

#include "contactbuilder.h"
#include "settings/exportsettings.h"

#include "qtprinters.h"
#include "rowname.h"
#include "striplisttranslator.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const NameRecord &record, std::ostream *out)
{
    *out << '{' << record.displayName.toStdString() << " | " << record.sortName.toStdString()
         << " | " << record.initial.toStdString() << '}';
}

namespace {

struct NameRow : NamedRow
{
    std::vector<std::pair<ABProperty, QVariant>> properties;
    bool sortByLast;
    NameRecord expected;
};

class NameFromPerson : public testing::TestWithParam<NameRow>
{
protected:
    static void SetUpTestSuite()
    {
        // The prefix list comes from the "ui" table; these tests give it "The " and "A ".
        static StripListTranslator translator(u"The |A "_s);
        QCoreApplication::installTranslator(&translator);
    }
};

TEST_P(NameFromPerson, joinsTheNameFields)
{
    ExportSettings settings;
    settings.sortByLast = GetParam().sortByLast;
    EXPECT_EQ(makeNameFromPerson(person(GetParam().properties), settings), GetParam().expected);
    EXPECT_EQ(makeDisplayName(person(GetParam().properties)), GetParam().expected.displayName);
}

const std::vector<std::pair<ABProperty, QVariant>> kFullName{
    {kABTitleProperty, u"Dr."_s},     {kABFirstNameProperty, u"Anna"_s},
    {kABMiddleNameProperty, u"M."_s}, {kABLastNameProperty, u"Berg"_s},
    {kABSuffixProperty, u"Jr."_s},    {kABOrganizationProperty, u"Acme"_s}};

INSTANTIATE_TEST_SUITE_P(
    Rows, NameFromPerson,
    testing::Values(
        NameRow{"fullNameByLast",
                kFullName,
                true,
                {u"Dr. Anna M. Berg, Jr."_s, u"Berg, Jr.Dr. Anna M."_s, u"B"_s}},
        NameRow{"fullNameByFirst",
                kFullName,
                false,
                {u"Dr. Anna M. Berg, Jr."_s, u"Dr. Anna M.Berg, Jr."_s, u"D"_s}},
        NameRow{"lastNameOnly",
                {{kABLastNameProperty, u"Berg"_s}},
                false,
                {u"Berg"_s, u"Berg"_s, u"B"_s}},
        NameRow{"accentedFirstName",
                {{kABFirstNameProperty, u"élodie"_s}},
                true,
                {u"élodie"_s, u"élodie"_s, u"E"_s}},
        NameRow{"organizationWithoutPrefix",
                {{kABOrganizationProperty, u"The Acme Co"_s}},
                true,
                {u"The Acme Co"_s, u"Acme Co"_s, u"A"_s}},
        NameRow{"prefixesAppliedInTurn",
                {{kABOrganizationProperty, u"the a Team"_s}},
                true,
                {u"the a Team"_s, u"Team"_s, u"T"_s}},
        NameRow{"nothing", {}, true, {}},
        NameRow{"suffixWithoutLastName",
                {{kABSuffixProperty, u"III"_s}},
                true,
                {u"III"_s, u"III"_s, u"I"_s}},
        NameRow{"sharpS", {{kABFirstNameProperty, u"ßen"_s}}, true, {u"ßen"_s, u"ßen"_s, u"SS"_s}},
        NameRow{"blankNameIsAName",
                {{kABFirstNameProperty, u" "_s}, {kABOrganizationProperty, u"Org"_s}},
                true,
                {u" "_s, u" "_s, u" "_s}}),
    RowName());

} // namespace
