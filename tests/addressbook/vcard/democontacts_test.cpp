// SPDX-License-Identifier: GPL-3.0-or-later
// The demo address book (examples/demo-contacts.vcf) and the preview's sample contact
// (engine/resources/sample.vcf), read by the program's own reader: both read cleanly and hold
// what they are there to show (groups, nesting, companies, every kind of data, pictures, a
// letter index with every section). Every picture resource decodes at the card's size.
#include "addressbook/abperson.h"
#include "addressbook/contactdate.h"
#include "addressbook/group.h"
#include "addressbook/vcard/vcardstore.h"
#include "engine/namerecord.h"
#include "settings/exportsettings.h"

#include "describe.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kSourceDir = QStringLiteral(VORLIN_SOURCE_DIR);
const QString kPictureDir = kSourceDir + u"/engine/resources/images"_s;
constexpr int kPictureSize = 96; // 48 x 48 points at 2x

const ContactStoreRead &demo()
{
    static const ContactStoreRead kRead
        = readVCardStore(kSourceDir + u"/examples/demo-contacts.vcf"_s);
    return kRead;
}

QByteArray sampleBytes()
{
    QFile file(kSourceDir + u"/engine/resources/sample.vcf"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

NameRecord nameOf(const ABPerson &person)
{
    return makeNameFromPerson(person, ExportSettings{});
}

// The person whose card shows that name (the organization, for a company).
const ABPerson *personNamed(const QString &displayName)
{
    const QList<const ABPerson *> people = demo().store->people();
    const auto it = std::find_if(people.begin(), people.end(), [&](const ABPerson *person) {
        return nameOf(*person).displayName == displayName;
    });
    return it == people.end() ? nullptr : *it;
}

const Group *groupNamed(const QString &name)
{
    const QList<const Group *> groups = demo().store->groups();
    const auto it = std::find_if(groups.begin(), groups.end(),
                                 [&](const Group *group) { return group->name() == name; });
    return it == groups.end() ? nullptr : *it;
}

bool isCompany(const ABPerson &person)
{
    return (person.valueForProperty(kABPersonFlags).toLongLong() & kABShowAsMask)
        == kABShowAsCompany;
}

// The index section a contact is filed under: its letter, "0-9" or "*".
QString sectionOf(const ABPerson &person)
{
    QString initial = nameOf(person).initial;
    if (initial.size() == 1 && initial[0] >= u'A' && initial[0] <= u'Z')
        return initial;
    if (initial.size() == 1 && initial[0] >= u'0' && initial[0] <= u'9')
        return u"0-9"_s;
    return u"*"_s;
}

qsizetype countPeople(const std::function<bool(const ABPerson &)> &test)
{
    const QList<const ABPerson *> people = demo().store->people();
    return std::count_if(people.begin(), people.end(),
                         [&](const ABPerson *person) { return test(*person); });
}

TEST(DemoContacts, readWithoutAnyDiagnostic)
{
    EXPECT_EQ(demo().diagnostics, QStringList());
}

TEST(DemoContacts, holdFortyContactsInSevenGroups)
{
    EXPECT_EQ(demo().store->people().size(), 40);
    EXPECT_EQ(demo().store->groups().size(), 7);
    EXPECT_EQ(
        countPeople([](const ABPerson &p) { return demo().store->parentGroups(p).isEmpty(); }), 11);
}

TEST(DemoContacts, holdCompaniesShownByTheirOrganization)
{
    EXPECT_EQ(countPeople([](const ABPerson &person) { return isCompany(person); }), 9);
    for (const ABPerson *person : demo().store->people()) {
        if (isCompany(*person)) {
            EXPECT_FALSE(person->valueForProperty(kABLastNameProperty).isValid());
            EXPECT_EQ(nameOf(*person).displayName,
                      person->stringForProperty(kABOrganizationProperty));
        }
    }
}

TEST(DemoContacts, haveAPictureOnAThirdThatDecodesAtCardSize)
{
    int pictures = 0;
    for (const ABPerson *person : demo().store->people()) {
        const std::optional<QByteArray> bytes = person->imageData();
        if (!bytes)
            continue;
        ++pictures;
        QImage image;
        EXPECT_TRUE(image.loadFromData(*bytes, "PNG")) << nameOf(*person).displayName.toStdString();
        EXPECT_EQ(image.size(), QSize(kPictureSize, kPictureSize));
    }
    EXPECT_EQ(pictures, 13);
}

TEST(DemoContacts, fillEverySectionOfTheLetterIndex)
{
    QSet<QString> sections;
    for (const ABPerson *person : demo().store->people())
        sections.insert(sectionOf(*person));
    QSet<QString> expected{u"0-9"_s, u"*"_s};
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        expected.insert(QString(QChar(letter)));
    EXPECT_EQ(sections, expected);
}

struct GroupRow : NamedRow
{
    QString group;
    QStringList members; // display names
    QStringList subgroups;
};

class DemoGroup : public testing::TestWithParam<GroupRow>
{};

TEST_P(DemoGroup, holdsItsMembers)
{
    const Group *group = groupNamed(GetParam().group);
    ASSERT_TRUE(group);
    QStringList members;
    for (const ABPerson *person : group->members())
        members.append(nameOf(*person).displayName);
    QStringList subgroups;
    for (const Group *subgroup : group->subgroups())
        subgroups.append(subgroup->name().value_or(QString()));
    members.sort();
    QStringList expected = GetParam().members;
    expected.sort();
    EXPECT_EQ(members, expected);
    EXPECT_EQ(subgroups, GetParam().subgroups);
}

INSTANTIATE_TEST_SUITE_P(
    DemoContacts, DemoGroup,
    testing::Values(
        GroupRow{"familyCard",
                 u"Family"_s,
                 {u"Astrid Isaksen"_s, u"Marcus T. Jones, Jr."_s, u"Ewa Zielińska"_s},
                 {}},
        GroupRow{"friendsCardJoinedByACategory",
                 u"Friends"_s,
                 {u"Dr. Camille Aubert"_s, u"Isla Fairweather"_s, u"Niamh Sweeney"_s,
                  u"Søren Østergaard"_s, u"Nora Haddad"_s, u"Giulia Pellegrini"_s},
                 {}},
        GroupRow{
            "workHoldsTheNestedDesignTeam",
            u"Work"_s,
            {u"Jonas Brandt"_s, u"Kenji Hayashi"_s, u"Lerato Ndlovu"_s, u"Oliver Whitfield, PhD"_s},
            {u"Design Team"_s}},
        GroupRow{"designTeam",
                 u"Design Team"_s,
                 {u"Deniz Çelik"_s, u"Priya Desai"_s, u"Inés López"_s, u"Mingyu Xu"_s},
                 {}},
        GroupRow{"suppliersWithCompanies",
                 u"Suppliers"_s,
                 {u"Hannah Becker"_s, u"Nordlicht Solar GmbH"_s, u"Blue Heron Printing Co."_s,
                  u"Maison Girard"_s, u"Kitagawa Lacquer Works"_s},
                 {}},
        GroupRow{"bookClubFromCategoriesOnly",
                 u"Book Club"_s,
                 {u"Marc-André Éthier"_s, u"Isla Fairweather"_s, u"Prof. Eilidh MacAllister"_s,
                  u"Johanna Ungerer"_s, u"Quill & Quire Bookshop"_s},
                 {}},
        GroupRow{"localShopsFromCategoriesOnly",
                 u"Local Shops"_s,
                 {u"The Paper Lantern Tea House"_s, u"7th Street Bakery"_s,
                  u"Riverside Veterinary Clinic"_s},
                 {}}),
    RowName());

struct FilingRow : NamedRow
{
    QString displayName;
    QString section;
};

class DemoFiling : public testing::TestWithParam<FilingRow>
{};

TEST_P(DemoFiling, putsTheContactUnderItsSection)
{
    const ABPerson *person = personNamed(GetParam().displayName);
    ASSERT_TRUE(person);
    EXPECT_EQ(sectionOf(*person), GetParam().section);
}

INSTANTIATE_TEST_SUITE_P(
    DemoContacts, DemoFiling,
    testing::Values(FilingRow{"byLastNameNotTitle", u"Dr. Camille Aubert"_s, u"A"_s},
                    FilingRow{"cedillaUnderItsLetter", u"Deniz Çelik"_s, u"C"_s},
                    FilingRow{"acuteAccentUnderItsLetter", u"Marc-André Éthier"_s, u"E"_s},
                    FilingRow{"umlautUnderItsLetter", u"Linnea Öberg"_s, u"O"_s},
                    FilingRow{"firstNameOnly", u"Mika"_s, u"M"_s},
                    FilingRow{"leadingTheIgnored", u"The Paper Lantern Tea House"_s, u"P"_s},
                    FilingRow{"digitFirst", u"7th Street Bakery"_s, u"0-9"_s},
                    FilingRow{"letterWithoutDecomposition", u"Søren Østergaard"_s, u"*"_s}),
    RowName());

struct KindRow : NamedRow
{
    ABProperty property;
    bool onSample; // the preview's sample card shows it too
};

class DataKind : public testing::TestWithParam<KindRow>
{};

bool hasValue(const ABPerson &person, ABProperty property)
{
    const QVariant value = person.valueForProperty(property);
    if (value.metaType() == QMetaType::fromType<MultiValue>())
        return !value.value<MultiValue>().isEmpty();
    return value.isValid();
}

TEST_P(DataKind, appearsInTheDemo)
{
    EXPECT_GT(countPeople([](const ABPerson &p) { return hasValue(p, GetParam().property); }), 0);
}

TEST_P(DataKind, appearsOnTheSampleWhereThePreviewShowsIt)
{
    const VCardPersonRead read = initWithVCardRepresentation(sampleBytes());
    ASSERT_TRUE(read.person);
    EXPECT_EQ(hasValue(*read.person, GetParam().property), GetParam().onSample);
}

INSTANTIATE_TEST_SUITE_P(DemoContacts, DataKind,
                         testing::Values(KindRow{"title", kABTitleProperty, false},
                                         KindRow{"middleName", kABMiddleNameProperty, false},
                                         KindRow{"suffix", kABSuffixProperty, false},
                                         KindRow{"jobTitle", kABJobTitleProperty, true},
                                         KindRow{"department", kABDepartmentProperty, true},
                                         KindRow{"organization", kABOrganizationProperty, true},
                                         KindRow{"phone", kABPhoneProperty, true},
                                         KindRow{"email", kABEmailProperty, true},
                                         KindRow{"webPage", kABURLsProperty, true},
                                         KindRow{"birthday", kABBirthdayProperty, true},
                                         KindRow{"otherDates", kABOtherDatesProperty, true},
                                         KindRow{"relatedNames", kABRelatedNamesProperty, true},
                                         KindRow{"aim", kABAIMInstantProperty, true},
                                         KindRow{"icq", kABICQInstantProperty, false},
                                         KindRow{"jabber", kABJabberInstantProperty, true},
                                         KindRow{"msn", kABMSNInstantProperty, false},
                                         KindRow{"yahoo", kABYahooInstantProperty, true},
                                         KindRow{"postalAddress", kABAddressProperty, true},
                                         KindRow{"note", kABNoteProperty, true}),
                         RowName());

struct CardRow : NamedRow
{
    QString displayName;
    ABProperty property;
    QString expected; // as describe() writes it
};

class DemoCard : public testing::TestWithParam<CardRow>
{};

TEST_P(DemoCard, holdsWhatItsVCardSays)
{
    const ABPerson *person = personNamed(GetParam().displayName);
    ASSERT_TRUE(person);
    EXPECT_EQ(describe(person->valueForProperty(GetParam().property)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    DemoContacts, DemoCard,
    testing::Values(
        CardRow{"birthdayWithoutYear", u"Isla Fairweather"_s, kABBirthdayProperty, u"--04-12"_s},
        CardRow{"birthdayWithOmittedYear", u"Niamh Sweeney"_s, kABBirthdayProperty, u"--10-31"_s},
        CardRow{"birthdayOnALeapDay", u"Johanna Ungerer"_s, kABBirthdayProperty, u"1964-02-29"_s},
        CardRow{"anniversaryFromAStandardLabel", u"Tobias Grünberg"_s, kABOtherDatesProperty,
                u"*anniversary: 2010-07-17"_s},
        CardRow{"customDateLabel", u"Linnea Öberg"_s, kABOtherDatesProperty,
                u"Graduation: 2019-06-14"_s},
        CardRow{"standardAndCustomRelatedLabels", u"Marcus T. Jones, Jr."_s,
                kABRelatedNamesProperty,
                u"*spouse: Ewa Zielińska / child: Leo Jones / Godfather of Leo: Arjun "
                "Venkataraman"_s},
        CardRow{"primaryAndCustomPhoneLabels", u"Jonas Brandt"_s, kABPhoneProperty,
                u"*work: +49 30 23125 310 / mobile: +49 171 3920 044 / Lab: +49 30 23125 399"_s},
        CardRow{"mainFaxAndPager", u"Edward Thornton, III"_s, kABPhoneProperty,
                u"*main: +1 617 555 0100 / work fax: +1 617 555 0101 / pager: +1 617 555 0102"_s},
        CardRow{"jabberWrittenTwiceKeptOnce", u"Jonas Brandt"_s, kABJabberInstantProperty,
                u"*work: jonas.brandt@chat.tidewater.example"_s},
        CardRow{"aimFromAnImppAddress", u"Giulia Pellegrini"_s, kABAIMInstantProperty,
                u"home: giuliap"_s},
        CardRow{"msnFromAnImppServiceType", u"Agnieszka Kowalska"_s, kABMSNInstantProperty,
                u"home: agnieszka.k@outlook.example"_s},
        CardRow{"yahooWithACustomLabel", u"Marcus T. Jones, Jr."_s, kABYahooInstantProperty,
                u"Gaming: mtjones_jr"_s},
        CardRow{"googleTalkAsJabber", u"Søren Østergaard"_s, kABJabberInstantProperty,
                u"home: soren.oestergaard@talk.example"_s},
        CardRow{"addressInJapaneseScript", u"Kitagawa Lacquer Works"_s, kABAddressProperty,
                u"*work: street=清水二丁目215; city=京都市東山区; state=京都府; zip=605-0862; "
                "country=日本; countryCode=jp"_s},
        CardRow{"addressWithoutCountryCode", u"Tobias Grünberg"_s, kABAddressProperty,
                u"*home: street=Leopoldstraße 102; city=München; state=Bayern; zip=80802; "
                "country=Germany"_s},
        CardRow{"addressWithTwoStreetLines", u"Edward Thornton, III"_s, kABAddressProperty,
                u"*work: street=Suite 400\n75 State Street; city=Boston; state=MA; zip=02109; "
                "country=USA; countryCode=us"_s},
        CardRow{"noteWithLineBreaksAndMarkup", u"Inés López"_s, kABNoteProperty,
                u"Rates: see <tarifas.pdf> & invoice by the 5th.\nSketchbook handle: "
                "@ines_dibuja"_s},
        CardRow{"departmentWithoutJobTitle", u"Lerato Ndlovu"_s, kABDepartmentProperty,
                u"Finance"_s}),
    RowName());

struct SampleEncodingRow : NamedRow
{
    QByteArray (*encode)(const QByteArray &utf8);
};

class Sample : public testing::TestWithParam<SampleEncodingRow>
{};

// The preview hands the reader the resource as UTF-16 with a byte-order mark; either way the
// same person comes out.
TEST_P(Sample, isAPersonWhoseInitialsAreJAndS)
{
    const VCardPersonRead read = initWithVCardRepresentation(GetParam().encode(sampleBytes()));
    EXPECT_EQ(read.diagnostics, QStringList());
    ASSERT_TRUE(read.person);
    EXPECT_TRUE(
        read.person->stringForProperty(kABFirstNameProperty).value_or(QString()).startsWith(u'J'));
    EXPECT_TRUE(
        read.person->stringForProperty(kABLastNameProperty).value_or(QString()).startsWith(u'S'));
    EXPECT_EQ(read.person->uniqueId(), u"vorlin-sample:ABPerson"_s);
    EXPECT_FALSE(isCompany(*read.person));
}

INSTANTIATE_TEST_SUITE_P(
    Sample, Sample,
    testing::Values(SampleEncodingRow{"utf8",
                                      [](const QByteArray &utf8) {
                                          return utf8;
                                      }},
                    SampleEncodingRow{"utf16WithByteOrderMark",
                                      [](const QByteArray &utf8) {
                                          QStringEncoder encoder(QStringEncoder::Utf16,
                                                                 QStringEncoder::Flag::WriteBom);
                                          return QByteArray(encoder(QString::fromUtf8(utf8)));
                                      }}),
    RowName());

TEST(Sample, hasAPrimaryPhoneAndTwoAddresses)
{
    const VCardPersonRead read = initWithVCardRepresentation(sampleBytes());
    ASSERT_TRUE(read.person);
    const MultiValue phones = read.person->multiValueForProperty(kABPhoneProperty).value();
    EXPECT_GE(phones.count(), 2);
    EXPECT_TRUE(phones.indexForIdentifier(phones.primaryIdentifier()).has_value());
    EXPECT_EQ(read.person->multiValueForProperty(kABAddressProperty).value().count(), 2);
}

TEST(PictureResources, eachDecodesAsAPngOfCardSize)
{
    const QStringList files = QDir(kPictureDir).entryList(QDir::Files, QDir::Name);
    for (const QString &name :
         {u"genericPerson.png"_s, u"genericCompany.png"_s, u"vorlin-sample.png"_s})
        EXPECT_TRUE(files.contains(name)) << name.toStdString();
    for (const QString &name : files) {
        const QImage image(kPictureDir + u'/' + name);
        EXPECT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.size(), QSize(kPictureSize, kPictureSize)) << name.toStdString();
        EXPECT_TRUE(image.hasAlphaChannel()) << name.toStdString();
    }
}

} // namespace
