// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcarddialect.h"

#include "qtprinters.h"
#include "rowname.h"

#include <gtest/gtest.h>

using VCardDialect::Field;

namespace {

// One row per property name that is read, written out here rather than taken from the
// table, so that an alias mapped to the wrong field, or dropped, shows.
struct AliasRow : NamedRow
{
    const char *propertyName;
    Field field;
};

const std::vector<AliasRow> kAliasRows{
    AliasRow{"adr", "ADR", Field::Address},
    AliasRow{"anniversary", "ANNIVERSARY", Field::Anniversary},
    AliasRow{"bday", "BDAY", Field::Birthday},
    AliasRow{"categories", "CATEGORIES", Field::Categories},
    AliasRow{"email", "EMAIL", Field::Email},
    AliasRow{"fn", "FN", Field::FormattedName},
    AliasRow{"impp", "IMPP", Field::Messaging},
    AliasRow{"kind", "KIND", Field::Kind},
    AliasRow{"label", "LABEL", Field::DeliveryLabel},
    AliasRow{"member", "MEMBER", Field::Member},
    AliasRow{"n", "N", Field::Name},
    AliasRow{"note", "NOTE", Field::Note},
    AliasRow{"org", "ORG", Field::Organization},
    AliasRow{"photo", "PHOTO", Field::Photo},
    AliasRow{"related", "RELATED", Field::Related},
    AliasRow{"tel", "TEL", Field::Phone},
    AliasRow{"title", "TITLE", Field::Title},
    AliasRow{"uid", "UID", Field::Uid},
    AliasRow{"url", "URL", Field::Url},
    AliasRow{"xAbadr", "X-ABADR", Field::ItemCountry},
    AliasRow{"xAbdate", "X-ABDATE", Field::OtherDate},
    AliasRow{"xAblabel", "X-ABLABEL", Field::ItemLabel},
    AliasRow{"xAbrelatednames", "X-ABRELATEDNAMES", Field::RelatedName},
    AliasRow{"xAbshowas", "X-ABSHOWAS", Field::ShowAs},
    AliasRow{"xAddressbookserverKind", "X-ADDRESSBOOKSERVER-KIND", Field::GroupKind},
    AliasRow{"xAddressbookserverMember", "X-ADDRESSBOOKSERVER-MEMBER", Field::Member},
    AliasRow{"xAim", "X-AIM", Field::Aim},
    AliasRow{"xAnniversary", "X-ANNIVERSARY", Field::Anniversary},
    AliasRow{"xAssistant", "X-ASSISTANT", Field::Assistant},
    AliasRow{"xEvolutionAnniversary", "X-EVOLUTION-ANNIVERSARY", Field::Anniversary},
    AliasRow{"xEvolutionAssistant", "X-EVOLUTION-ASSISTANT", Field::Assistant},
    AliasRow{"xEvolutionContactListInfo", "X-EVOLUTION-CONTACT-LIST-INFO", Field::ListMember},
    AliasRow{"xEvolutionList", "X-EVOLUTION-LIST", Field::ListKind},
    AliasRow{"xEvolutionManager", "X-EVOLUTION-MANAGER", Field::Manager},
    AliasRow{"xEvolutionSpouse", "X-EVOLUTION-SPOUSE", Field::Spouse},
    AliasRow{"xGoogleTalk", "X-GOOGLE-TALK", Field::Jabber},
    AliasRow{"xGtalk", "X-GTALK", Field::Jabber},
    AliasRow{"xIcq", "X-ICQ", Field::Icq},
    AliasRow{"xJabber", "X-JABBER", Field::Jabber},
    AliasRow{"xManager", "X-MANAGER", Field::Manager},
    AliasRow{"xMsAnniversary", "X-MS-ANNIVERSARY", Field::Anniversary},
    AliasRow{"xMsAssistant", "X-MS-ASSISTANT", Field::Assistant},
    AliasRow{"xMsCardpicture", "X-MS-CARDPICTURE", Field::CardPicture},
    AliasRow{"xMsManager", "X-MS-MANAGER", Field::Manager},
    AliasRow{"xMsSpouse", "X-MS-SPOUSE", Field::Spouse},
    AliasRow{"xMsn", "X-MSN", Field::Msn},
    AliasRow{"xSpouse", "X-SPOUSE", Field::Spouse},
    AliasRow{"xYahoo", "X-YAHOO", Field::Yahoo},
};

class Alias : public testing::TestWithParam<AliasRow>
{};

TEST_P(Alias, namesItsFieldInAnyCase)
{
    const QByteArray name(GetParam().propertyName);
    EXPECT_EQ(VCardDialect::fieldOf(name), GetParam().field);
    EXPECT_EQ(VCardDialect::fieldOf(name.toLower()), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Names, Alias, testing::ValuesIn(kAliasRows), RowName());

TEST(AliasTable, hasARowHereForEveryName)
{
    EXPECT_EQ(VCardDialect::fieldNames().size(), kAliasRows.size());
}

TEST(AliasTable, knowsNoOtherName)
{
    for (const char *name : {"", "X", "NICKNAME", "X-AIMX", "TEL2", "X-ADDRESSBOOKSERVER-MEMBERS",
                             "A-NAME-FAR-LONGER-THAN-ANY-PROPERTY-NAME-THERE-IS"})
        EXPECT_EQ(VCardDialect::fieldOf(name), Field::Unknown) << name;
}

struct CaseRow : NamedRow
{
    const char *a;
    const char *b;
    bool equal;
};

class IgnoringCase : public testing::TestWithParam<CaseRow>
{};

TEST_P(IgnoringCase, foldsOnlyAsciiLetters)
{
    EXPECT_EQ(equalsIgnoringCase(GetParam().a, GetParam().b), GetParam().equal);
    EXPECT_EQ(equalsIgnoringCase(GetParam().b, GetParam().a), GetParam().equal);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IgnoringCase,
    testing::Values(CaseRow{"sameCase", "group", "group", true},
                    CaseRow{"otherCase", "Group", "gROUP", true},
                    CaseRow{"digitsAndDashes", "x-ms-1", "X-MS-1", true},
                    CaseRow{"blankIsNotTrimmed", " group", "group", false},
                    CaseRow{"prefixOnly", "grou", "group", false},
                    // Latin-1 folding would take the UTF-8 lead bytes C3 and E3 for one letter.
                    CaseRow{"utf8LeadBytes", "\xC3\xA9", "\xE3\xA9", false},
                    CaseRow{"atAndBacktick", "@", "`", false}),
    RowName());

TEST(IgnoringCase, startsWith)
{
    EXPECT_TRUE(startsWithIgnoringCase("MAILTO:ann", "mailto:"));
    EXPECT_FALSE(startsWithIgnoringCase("mail", "mailto:"));
}

} // namespace

namespace {

// TYPE values are matched eight bytes at a time with the bit of case cleared; only the
// letters of a known type, in any case, may match, never a byte that merely folds onto one.
struct TypeRow : NamedRow
{
    QByteArray written;
    QByteArray known; // empty: no known type
};

class TypeWords : public testing::TestWithParam<TypeRow>
{};

VCardDialect::Types typesWritten(const QByteArray &value)
{
    VCardProperty property;
    property.parameters.append({"type", value});
    return VCardDialect::typesOf(property);
}

TEST_P(TypeWords, matchOnlyAKnownTypeInAnyCase)
{
    const TypeRow &row = GetParam();
    EXPECT_EQ(typesWritten(row.written), row.known.isEmpty() ? 0 : typesWritten(row.known));
    if (!row.known.isEmpty()) {
        EXPECT_NE(typesWritten(row.known), 0U);
    }
}

INSTANTIATE_TEST_SUITE_P(
    VCardDialect, TypeWords,
    testing::Values(TypeRow{"lowerCase", "cell", "CELL"}, TypeRow{"mixedCase", "iPhone", "IPHONE"},
                    TypeRow{"alias", "Mobile", "CELL"}, TypeRow{"blanksAround", " fax\t", "FAX"},
                    TypeRow{"longer", "faxes", ""}, TypeRow{"nulAfter", QByteArray("fax\0", 4), ""},
                    TypeRow{"spaceInside", "fa x", ""},
                    TypeRow{"controlBytes", "\x03\x05\x0c\x0c", ""},
                    TypeRow{"nonAscii",
                            "\xC3\x87"
                            "ELL",
                            ""},
                    TypeRow{"tooLongToBeAny", "preferred", ""}),
    RowName());

} // namespace

namespace {

struct ServiceRow : NamedRow
{
    QByteArray written;
    std::optional<ABProperty> service;
};

class Services : public testing::TestWithParam<ServiceRow>
{};

TEST_P(Services, areNamedWithoutCaseOrBlanks)
{
    EXPECT_EQ(VCardDialect::messagingService(GetParam().written), GetParam().service);
}

INSTANTIATE_TEST_SUITE_P(
    VCardDialect, Services,
    testing::Values(ServiceRow{"upperCase", "AIM", kABAIMInstantProperty},
                    ServiceRow{"blanksInsideAndAround", " Google Talk\t", kABJabberInstantProperty},
                    ServiceRow{"scheme", "ymsgr", kABYahooInstantProperty},
                    ServiceRow{"longestName", "Windows Live", kABMSNInstantProperty},
                    ServiceRow{"tabInside", "g\ttalk", std::nullopt},
                    ServiceRow{"unknown", "skype", std::nullopt},
                    ServiceRow{"empty", "", std::nullopt},
                    ServiceRow{"blanksOnly", "   ", std::nullopt},
                    ServiceRow{"longerThanAny", "windowslivemessenger", std::nullopt}),
    RowName());

} // namespace
