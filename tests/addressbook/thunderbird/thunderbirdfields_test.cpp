// SPDX-License-Identifier: GPL-3.0-or-later
// A card written before Thunderbird kept vCards must give the person that the same card gives
// once Thunderbird has converted it: each row holds the fields, the vCard Thunderbird's own
// conversion writes of them, and what both must give.
#include "addressbook/thunderbird/thunderbirdfields.h"
#include "addressbook/vcard/vcardstore.h"

#include "describe.h"
#include "rowname.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Every property the person has, as "name=value" joined by "; ", in the order of ABProperty.
QString describePerson(const ABPerson &person)
{
    static const std::array<const char *, kABPropertyCount> kNames{
        "first", "last", "middle",   "title", "suffix", "org",     "job",  "dept",
        "flags", "note", "birthday", "dates", "phone",  "email",   "url",  "related",
        "aim",   "icq",  "jabber",   "msn",   "yahoo",  "address", "group"};
    QStringList parts;
    for (int i = 0; i < kABPropertyCount; ++i) {
        const QVariant value = person.valueForProperty(static_cast<ABProperty>(i));
        if (value.isValid())
            parts.append(QString::fromLatin1(kNames[std::size_t(i)]) + u'=' + describe(value));
    }
    return parts.join(u"; "_s);
}

struct FieldsRow : NamedRow
{
    QList<std::pair<QByteArray, QByteArray>> fields;
    QByteArray vCard; // the lines Thunderbird's conversion writes between VERSION and END
    QString expected;
};

class ThunderbirdFields : public testing::TestWithParam<FieldsRow>
{};

ThunderbirdCard cardOf(const QList<std::pair<QByteArray, QByteArray>> &fields)
{
    ThunderbirdCard card{u"c1"_s, {}};
    for (const auto &[name, value] : fields)
        card.properties.push_back({name, value});
    return card;
}

TEST_P(ThunderbirdFields, giveWhatTheirConvertedVCardGives)
{
    const FieldsRow &row = GetParam();
    VCardDiagnostics diagnostics(u"book/c1"_s);
    EXPECT_EQ(describePerson(personFromFields(cardOf(row.fields), diagnostics)), row.expected);
    EXPECT_TRUE(diagnostics.lines().isEmpty()) << diagnostics.lines().join(u'\n').toStdString();

    QByteArray text = "BEGIN:VCARD\nVERSION:4.0\n" + row.vCard + "\nEND:VCARD\n";
    const ContactStoreRead read = readVCardData(text.replace("\n", "\r\n"), u"converted.vcf"_s);
    ASSERT_EQ(read.store->people().size(), 1) << read.diagnostics.join(u'\n').toStdString();
    EXPECT_EQ(describePerson(*read.store->people().constFirst()), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThunderbirdFields,
    testing::Values(
        FieldsRow{{"nameParts"},
                  {{"FirstName", "Ann"},
                   {"LastName", "Lee"},
                   {"AdditionalNames", "Marie"},
                   {"NamePrefix", "Dr."},
                   {"NameSuffix", "Jr."},
                   {"DisplayName", "Dr. Ann Lee"}},
                  "FN:Dr. Ann Lee\nN:Lee;Ann;Marie;Dr.;Jr.",
                  u"first=Ann; last=Lee; middle=Marie; title=Dr.; suffix=Jr."_s},
        FieldsRow{
            {"displayNameAlone"}, {{"DisplayName", "Ann Lee"}}, "FN:Ann Lee", u"first=Ann Lee"_s},
        FieldsRow{{"displayNameOfTheCompany"},
                  {{"DisplayName", "Acme"}, {"Company", "Acme"}},
                  "FN:Acme\nORG:Acme",
                  u"org=Acme"_s},
        FieldsRow{{"organization"},
                  {{"LastName", "Lee"},
                   {"Company", "Acme"},
                   {"Department", "Sales"},
                   {"JobTitle", "Boss"}},
                  "N:Lee;;;;\nORG:Acme;Sales\nTITLE:Boss",
                  u"last=Lee; org=Acme; job=Boss; dept=Sales"_s},
        FieldsRow{{"emails"},
                  {{"LastName", "Lee"},
                   {"SecondEmail", "b@example.org"},
                   {"PrimaryEmail", "a@example.org"}},
                  "N:Lee;;;;\nEMAIL;PREF=1:a@example.org\nEMAIL:b@example.org",
                  u"last=Lee; email=*other: a@example.org / other: b@example.org"_s},
        FieldsRow{{"secondEmailAlone"},
                  {{"LastName", "Lee"}, {"SecondEmail", "b@example.org"}},
                  "N:Lee;;;;\nEMAIL:b@example.org",
                  u"last=Lee; email=other: b@example.org"_s},
        FieldsRow{{"phones"},
                  {{"LastName", "Lee"},
                   {"CellularNumber", "5"},
                   {"PagerNumber", "4"},
                   {"FaxNumber", "3"},
                   {"WorkPhone", "2"},
                   {"HomePhone", "1"}},
                  "N:Lee;;;;\nTEL;TYPE=home:1\nTEL;TYPE=work:2\nTEL;TYPE=fax:3\n"
                  "TEL;TYPE=pager:4\nTEL;TYPE=cell:5",
                  u"last=Lee; phone=home: 1 / work: 2 / other fax: 3 / pager: 4 / mobile: 5"_s},
        FieldsRow{
            {"webPages"},
            {{"LastName", "Lee"},
             {"WebPage2", "https://home.example.org"},
             {"WebPage1", "https://work.example.org"}},
            "N:Lee;;;;\nURL;TYPE=work:https://work.example.org\n"
            "URL;TYPE=home:https://home.example.org",
            u"last=Lee; url=work: https://work.example.org / home: https://home.example.org"_s},
        FieldsRow{{"addresses"},
                  {{"LastName", "Lee"},
                   {"WorkAddress", "2 Side St"},
                   {"HomeCountry", "USA"},
                   {"HomeZipCode", "62701"},
                   {"HomeState", "IL"},
                   {"HomeCity", "Springfield"},
                   {"HomeAddress", "1 Main St"},
                   {"HomeAddress2", "Apt 5"},
                   {"HomePOBox", "Box 7"}},
                  "N:Lee;;;;\nADR;TYPE=home:Box 7;Apt 5;1 Main St;Springfield;IL;62701;USA\n"
                  "ADR;TYPE=work:;;2 Side St;;;;",
                  u"last=Lee; address=home: street=Box 7\nApt 5\n1 Main St; city=Springfield; "
                  "state=IL; zip=62701; country=USA / work: street=2 Side St"_s},
        FieldsRow{
            {"birthday"},
            {{"LastName", "Lee"}, {"BirthYear", "1985"}, {"BirthMonth", "4"}, {"BirthDay", "12"}},
            "N:Lee;;;;\nBDAY:1985-04-12",
            u"last=Lee; birthday=1985-04-12"_s},
        FieldsRow{{"birthdayWithoutYear"},
                  {{"LastName", "Lee"}, {"BirthMonth", "02"}, {"BirthDay", "29"}},
                  "N:Lee;;;;\nBDAY:--0229",
                  u"last=Lee; birthday=--02-29"_s},
        FieldsRow{{"anniversary"},
                  {{"LastName", "Lee"},
                   {"AnniversaryYear", "2001"},
                   {"AnniversaryMonth", "6"},
                   {"AnniversaryDay", "30"}},
                  "N:Lee;;;;\nANNIVERSARY:2001-06-30",
                  u"last=Lee; dates=anniversary: 2001-06-30"_s},
        FieldsRow{{"noteOfTwoLines"},
                  {{"LastName", "Lee"}, {"Notes", "one; two\nthree"}},
                  "N:Lee;;;;\nNOTE:one\\; two\\nthree",
                  u"last=Lee; note=one; two\nthree"_s},
        FieldsRow{{"screenNames"},
                  {{"LastName", "Lee"},
                   {"_Yahoo", "yah"},
                   {"_MSN", "msn"},
                   {"_GoogleTalk", "J@Example.org"},
                   {"_JabberId", "j@example.org"},
                   {"_ICQ", "123"},
                   {"_AimScreenName", "aim1"}},
                  "N:Lee;;;;\nX-AIM:aim1\nX-ICQ:123\nX-JABBER:j@example.org\n"
                  "X-GOOGLE-TALK:J@Example.org\nX-MSN:msn\nX-YAHOO:yah",
                  u"last=Lee; aim=other: aim1; icq=other: 123; jabber=other: j@example.org; "
                  "msn=other: msn; yahoo=other: yah"_s}),
    RowName());

struct BadDateRow : NamedRow
{
    QList<std::pair<QByteArray, QByteArray>> fields;
    QString problem;
};

class ThunderbirdBadDates : public testing::TestWithParam<BadDateRow>
{};

// The date is left out with a line that names the card; the rest of the card is read.
TEST_P(ThunderbirdBadDates, areLeftOutWithAProblem)
{
    const BadDateRow &row = GetParam();
    QList<std::pair<QByteArray, QByteArray>> fields = row.fields;
    fields.emplaceBack("LastName", "Lee");
    VCardDiagnostics diagnostics(u"book/c1"_s);
    EXPECT_EQ(describePerson(personFromFields(cardOf(fields), diagnostics)), u"last=Lee"_s);
    EXPECT_EQ(diagnostics.lines(), QStringList{u"book/c1: "_s + row.problem});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThunderbirdBadDates,
    testing::Values(BadDateRow{{"monthOutOfRange"},
                               {{"BirthYear", "1985"}, {"BirthMonth", "13"}, {"BirthDay", "1"}},
                               u"birthday \"1985-13-1\" is not a date; left out"_s},
                    BadDateRow{{"noLeapYear"},
                               {{"BirthYear", "1985"}, {"BirthMonth", "2"}, {"BirthDay", "29"}},
                               u"birthday \"1985-2-29\" is not a date; left out"_s},
                    BadDateRow{{"monthWithoutDay"},
                               {{"AnniversaryMonth", "4"}},
                               u"anniversary \"--4-\" is not a date; left out"_s}),
    RowName());

} // namespace
