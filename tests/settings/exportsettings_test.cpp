// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/exportsettings.h"

#include "settings/defaultsregistration.h"
#include "settings/exportoverrides.h"
#include "settings/preferencesstore.h"
#include "settingstestsupport.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

class Snapshot : public ConfigFolderTest
{
protected:
    void SetUp() override { m_store.registerDefaults(defaultSettings(u"body {}"_s)); }

    [[nodiscard]] ExportSettings refreshed() const
    {
        ExportSettings settings;
        readDefaults(settings, m_store, path(u"com.apple.addressbook.plist"_s));
        return settings;
    }

    PreferencesStore m_store{files()};
};

TEST(ExportSettingsRecord, startsWithSwitchesOnAndNothingElse)
{
    const ExportSettings settings;
    EXPECT_TRUE(settings.sortByLast && settings.includeImage
                && settings.include(DataKind::InstantMessaging));
    EXPECT_FALSE(settings.scheme(DataKind::Phone) || settings.dataOrder || settings.groupsToUse
                 || settings.gPhoneNumberFormats);
}

TEST_F(Snapshot, copiesTheRegisteredDefaults)
{
    const ExportSettings settings = refreshed();
    EXPECT_TRUE(settings.include(DataKind::Dates));
    EXPECT_EQ(settings.scheme(MessagingService::Jabber), u"xmpp:%@?message"_s);
    EXPECT_EQ(settings.scheme(DataKind::Postal), u""_s);
    EXPECT_EQ(settings.dataOrder, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(settings.groupsToUse, QList<GroupChoice>{});
    EXPECT_FALSE(settings.gPhoneNumberFormats);
}

TEST_F(Snapshot, keepsAClearedSchemeAsEmptyNotAbsent)
{
    m_store.setObject(u""_s, u"phoneURIScheme"_s);
    EXPECT_EQ(refreshed().scheme(DataKind::Phone), u""_s);
}

TEST_F(Snapshot, twoRefreshesWithoutChangeAreEqual)
{
    ExportSettings settings;
    readDefaults(settings, m_store, {});
    const ExportSettings first = settings;
    readDefaults(settings, m_store, {});
    EXPECT_EQ(settings, first);
}

TEST_F(Snapshot, followsTheStoredValues)
{
    m_store.setObject(false, u"includeNote"_s);
    m_store.setObject(QVariantList{7, 0, u"x"_s, 3}, u"dataOrder"_s);
    m_store.setObject(groupChoicesToVariant({{true, u"Family"_s}, {false, u"Work"_s}}),
                      u"groupsToUse"_s);
    const ExportSettings settings = refreshed();
    EXPECT_FALSE(settings.include(DataKind::Note));
    EXPECT_EQ(settings.dataOrder, (QList<int>{7, 0, 3, 1, 2, 4, 5, 6}));
    EXPECT_EQ(settings.groupsToUse, (QList<GroupChoice>{{true, u"Family"_s}, {false, u"Work"_s}}));
}

TEST_F(ConfigFolderTest, missingSettingsReadAsFalseAndAbsent)
{
    const PreferencesStore bare(files());
    ExportSettings settings;
    readDefaults(settings, bare, {});
    EXPECT_FALSE(settings.sortByLast || settings.includeImage || settings.include(DataKind::Note));
    EXPECT_FALSE(settings.scheme(DataKind::Web) || settings.dataOrder || settings.groupsToUse);
}

struct SwitchRow : NamedRow
{
    QVariant stored;
    bool expected;
};

class HandEditedSwitch : public Snapshot, public testing::WithParamInterface<SwitchRow>
{};

TEST_P(HandEditedSwitch, readsYesNoTrueFalseAndNumbers)
{
    m_store.setObject(GetParam().stored, u"includeNote"_s);
    m_store.setObject(GetParam().stored, u"sortByLast"_s);
    const ExportSettings settings = refreshed();
    EXPECT_EQ(settings.include(DataKind::Note), GetParam().expected);
    EXPECT_EQ(settings.sortByLast, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, HandEditedSwitch,
    testing::Values(SwitchRow{"yes", u"YES"_s, true}, SwitchRow{"no", u"NO"_s, false},
                    SwitchRow{"lowerTrue", u"true"_s, true}, SwitchRow{"false", u"False"_s, false},
                    SwitchRow{"numberString", u" 2 "_s, true},
                    SwitchRow{"zeroString", u"0"_s, false},
                    SwitchRow{"otherWord", u"maybe"_s, false}, SwitchRow{"zero", qint64(0), false},
                    SwitchRow{"one", qint64(1), true}, SwitchRow{"real", 0.5, true},
                    SwitchRow{"data", QByteArray("1"), false}),
    RowName());

TEST_F(Snapshot, dropsGroupChoicesOfTheWrongTypeWithAMessage)
{
    m_store.setObject(
        QVariantList{QVariantMap{{u"include"_s, u"NO"_s}, {u"name"_s, u"Family"_s}},
                     QVariantMap{{u"include"_s, QVariantList{}}, {u"name"_s, u"Work"_s}},
                     u"Friends"_s, QVariantMap{{u"include"_s, true}, {u"name"_s, 3}}},
        u"groupsToUse"_s);
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });
    EXPECT_EQ(refreshed().groupsToUse, (QList<GroupChoice>{{false, u"Family"_s}}));
    ASSERT_EQ(log.size(), 3);
    EXPECT_TRUE(log.first().contains(u"\"groupsToUse\""_s)) << log.first().toStdString();
}

struct PhoneFormatRow : NamedRow
{
    std::optional<QByteArray> fileContents;
    std::optional<QStringList> expected;
};

const QVariantMap kFormatsDictionary{
    {u"ABPhoneFormat-PhoneFormatter"_s, QVariantList{u"+# (###) ###-####"_s, u"###-####"_s}}};

// An XML file of the address book with extra entries ahead of the formats and extra items
// among them.
QByteArray phoneFile(const QByteArray &before, const QByteArray &amongFormats = {})
{
    return "<?xml version=\"1.0\"?>\n<plist version=\"1.0\"><dict>" + before
        + "<key>ABPhoneFormat-PhoneFormatter</key><array><string>+# (###) ###-####</string>"
        + amongFormats
        + "<string>###-####</string></array><key>z</key><real>?</real></dict></plist>";
}

class PhoneFormats : public Snapshot, public testing::WithParamInterface<PhoneFormatRow>
{};

TEST_P(PhoneFormats, comeFromTheAddressBookPreferences)
{
    if (GetParam().fileContents)
        writeFile(path(u"com.apple.addressbook.plist"_s), *GetParam().fileContents);
    const SystemLogCapture quiet([](const QString &) {});
    EXPECT_EQ(refreshed().gPhoneNumberFormats, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PhoneFormats,
    testing::Values(
        PhoneFormatRow{"xml", toXmlPropertyList(kFormatsDictionary),
                       QStringList{u"+# (###) ###-####"_s, u"###-####"_s}},
        PhoneFormatRow{"binary", toBinaryPropertyList(kFormatsDictionary),
                       QStringList{u"+# (###) ###-####"_s, u"###-####"_s}},
        PhoneFormatRow{"noFile", std::nullopt, std::nullopt},
        PhoneFormatRow{"keyMissing", toXmlPropertyList(QVariantMap{{u"other"_s, 1}}), std::nullopt},
        PhoneFormatRow{"notADictionary", toXmlPropertyList(QVariantList{u"###"_s}), std::nullopt},
        PhoneFormatRow{"garbage", QByteArray("garbage"), std::nullopt},
        // The file belongs to another program: what it keeps beside the formats, or mixes
        // into them, must not cost the formats.
        PhoneFormatRow{"badValueElsewhere",
                       phoneFile("<key>a</key><integer>twelve</integer>"
                                 "<key>b</key><uid>3</uid><key>c</key><dict><string/></dict>"),
                       QStringList{u"+# (###) ###-####"_s, u"###-####"_s}},
        PhoneFormatRow{"deepValueElsewhere",
                       phoneFile("<key>deep</key>" + QByteArray("<array>").repeated(1000)
                                 + QByteArray("</array>").repeated(1000)),
                       QStringList{u"+# (###) ###-####"_s, u"###-####"_s}},
        PhoneFormatRow{"badItemsAmongTheFormats", phoneFile({}, "<integer>x</integer><dict/>"),
                       QStringList{u"+# (###) ###-####"_s, u"###-####"_s}},
        PhoneFormatRow{"formatsNotAList",
                       "<plist><dict><key>ABPhoneFormat-PhoneFormatter</key>"
                       "<string>###</string></dict></plist>",
                       std::nullopt}),
    RowName());

TEST_F(Snapshot, aDamagedPhoneFormatFileIsReportedOncePerRead)
{
    writeFile(path(u"com.apple.addressbook.plist"_s), "garbage");
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });
    ExportSettings settings = refreshed();
    readStoredSettings(settings, m_store);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().startsWith(u"Phone formats not used: "_s));
    EXPECT_TRUE(log.first().contains(path(u"com.apple.addressbook.plist"_s)));
}

struct PageChoiceRow : NamedRow
{
    QVariant storedLanguage; // invalid: not stored
    QVariant storedIndex;
    ExportOverrides overrides;
    QString language;
    LetterIndex index;
};

class PageChoice : public Snapshot, public testing::WithParamInterface<PageChoiceRow>
{};

TEST_P(PageChoice, isStoredOrTheRunsOwn)
{
    const PageChoiceRow &row = GetParam();
    m_store.setObject(row.storedLanguage, u"pageLanguage"_s);
    m_store.setObject(row.storedIndex, u"letterIndex"_s);
    ExportSettings settings = refreshed();
    row.overrides.applyTo(settings);
    EXPECT_EQ(settings.pageLanguage, row.language);
    EXPECT_EQ(settings.letterIndex, row.index);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PageChoice,
    testing::Values(PageChoiceRow{"defaults", {}, {}, {}, u""_s, LetterIndex::Latin},
                    PageChoiceRow{"stored", u"de"_s, u"locale"_s, {}, u"de"_s, LetterIndex::Locale},
                    PageChoiceRow{
                        "indexNameIsExact", {}, u"Locale"_s, {}, u""_s, LetterIndex::Latin},
                    PageChoiceRow{"indexOfAnotherType", {}, 1, {}, u""_s, LetterIndex::Latin},
                    PageChoiceRow{"runChoosesBoth",
                                  u"de"_s,
                                  u"latin"_s,
                                  {u"sv"_s, LetterIndex::Locale},
                                  u"sv"_s,
                                  LetterIndex::Locale},
                    PageChoiceRow{"runChoosesTheLanguageAlone",
                                  u"de"_s,
                                  u"locale"_s,
                                  {u"ru"_s, std::nullopt},
                                  u"ru"_s,
                                  LetterIndex::Locale}),
    RowName());

} // namespace

namespace {

struct RefreshRow : NamedRow
{
    QStringList groups;
    std::optional<QList<GroupChoice>> stored;
    QList<GroupChoice> expected;
};

class RefreshGroups : public testing::TestWithParam<RefreshRow>
{};

TEST_P(RefreshGroups, keepsChoicesAddsNewGroupsDropsGoneOnes)
{
    EXPECT_EQ(refreshedGroupChoices(GetParam().groups, GetParam().stored), GetParam().expected);
}

const QStringList kGroups{u"Ungrouped Contacts"_s, u"Family"_s, u"Work"_s};

INSTANTIATE_TEST_SUITE_P(
    Rows, RefreshGroups,
    testing::Values(
        RefreshRow{"firstStartTicksAll",
                   kGroups,
                   std::nullopt,
                   {{true, u"Ungrouped Contacts"_s}, {true, u"Family"_s}, {true, u"Work"_s}}},
        RefreshRow{"emptyStoredTicksAll",
                   kGroups,
                   QList<GroupChoice>{},
                   {{true, u"Ungrouped Contacts"_s}, {true, u"Family"_s}, {true, u"Work"_s}}},
        RefreshRow{"storedKeptNewTickedGoneDropped",
                   kGroups,
                   QList<GroupChoice>{
                       {false, u"Work"_s}, {false, u"Old"_s}, {false, u"Ungrouped Contacts"_s}},
                   {{false, u"Ungrouped Contacts"_s}, {true, u"Family"_s}, {false, u"Work"_s}}},
        RefreshRow{"firstOfDuplicatesWins",
                   {u"Work"_s},
                   QList<GroupChoice>{{false, u"Work"_s}, {true, u"Work"_s}},
                   {{false, u"Work"_s}}}),
    RowName());

// ---- which key fills which field ----------------------------------------------------

// The change of the snapshot that the row's stored value should make, and no other.
using FieldChange = std::function<void(ExportSettings &, const QVariant &stored)>;

FieldChange switchedOff(bool ExportSettings::*field)
{
    return [field](ExportSettings &settings, const QVariant &) {
        settings.*field = false;
    };
}

template<typename Slot>
FieldChange slotOff(Slot slot)
{
    return [slot](ExportSettings &settings, const QVariant &) {
        settings.include(slot) = false;
    };
}

template<typename Slot>
FieldChange schemeOf(Slot slot)
{
    return [slot](ExportSettings &settings, const QVariant &stored) {
        settings.scheme(slot) = stored.toString();
    };
}

struct FieldRow : NamedRow
{
    QString key;
    QVariant stored;
    FieldChange change;
};

class SnapshotField : public Snapshot, public testing::WithParamInterface<FieldRow>
{};

TEST_P(SnapshotField, takesItsOwnKeyAndNothingElse)
{
    ExportSettings expected = refreshed();
    m_store.setObject(GetParam().stored, GetParam().key);
    GetParam().change(expected, GetParam().stored);
    EXPECT_TRUE(refreshed() == expected);
}

// Keys written out, each scheme stored as a text of its own, so that two keys that fill one
// field, or a field filled from another's key, show.
INSTANTIATE_TEST_SUITE_P(
    Keys, SnapshotField,
    testing::Values(
        FieldRow{"sortByLast", u"sortByLast"_s, false, switchedOff(&ExportSettings::sortByLast)},
        FieldRow{"includeImage", u"includeImage"_s, false,
                 switchedOff(&ExportSettings::includeImage)},
        FieldRow{"includeGenericImages", u"includeGenericImages"_s, false,
                 switchedOff(&ExportSettings::includeGenericImages)},
        FieldRow{"includeJobTitle", u"includeJobTitle"_s, false,
                 switchedOff(&ExportSettings::includeJobTitle)},
        FieldRow{"includeOrganization", u"includeOrganization"_s, false,
                 switchedOff(&ExportSettings::includeOrganization)},
        FieldRow{"includePhone", u"includePhone"_s, false, slotOff(DataKind::Phone)},
        FieldRow{"includeEmail", u"includeEmail"_s, false, slotOff(DataKind::Email)},
        FieldRow{"includeWeb", u"includeWeb"_s, false, slotOff(DataKind::Web)},
        FieldRow{"includeDate", u"includeDate"_s, false, slotOff(DataKind::Dates)},
        FieldRow{"includeRelatedName", u"includeRelatedName"_s, false,
                 slotOff(DataKind::RelatedNames)},
        FieldRow{"includeInstantMessaging", u"includeInstantMessaging"_s, false,
                 slotOff(DataKind::InstantMessaging)},
        FieldRow{"includePostal", u"includePostal"_s, false, slotOff(DataKind::Postal)},
        FieldRow{"includeNote", u"includeNote"_s, false, slotOff(DataKind::Note)},
        FieldRow{"includeAIM", u"includeAIM"_s, false, slotOff(MessagingService::AIM)},
        FieldRow{"includeICQ", u"includeICQ"_s, false, slotOff(MessagingService::ICQ)},
        FieldRow{"includeJabber", u"includeJabber"_s, false, slotOff(MessagingService::Jabber)},
        FieldRow{"includeMSN", u"includeMSN"_s, false, slotOff(MessagingService::MSN)},
        FieldRow{"includeYahoo", u"includeYahoo"_s, false, slotOff(MessagingService::Yahoo)},
        FieldRow{"phoneScheme", u"phoneURIScheme"_s, u"p:"_s, schemeOf(DataKind::Phone)},
        FieldRow{"emailScheme", u"emailURIScheme"_s, u"e:"_s, schemeOf(DataKind::Email)},
        FieldRow{"webScheme", u"webURIScheme"_s, u"w:"_s, schemeOf(DataKind::Web)},
        FieldRow{"dateScheme", u"dateURIScheme"_s, u"d:"_s, schemeOf(DataKind::Dates)},
        FieldRow{"relatedNameScheme", u"relatedNameURIScheme"_s, u"r:"_s,
                 schemeOf(DataKind::RelatedNames)},
        FieldRow{"postalScheme", u"postalURIScheme"_s, u"o:"_s, schemeOf(DataKind::Postal)},
        FieldRow{"noteScheme", u"noteURIScheme"_s, u"n:"_s, schemeOf(DataKind::Note)},
        FieldRow{"aimScheme", u"aimURIScheme"_s, u"a:"_s, schemeOf(MessagingService::AIM)},
        FieldRow{"icqScheme", u"icqURIScheme"_s, u"i:"_s, schemeOf(MessagingService::ICQ)},
        FieldRow{"jabberScheme", u"jabberURIScheme"_s, u"j:"_s, schemeOf(MessagingService::Jabber)},
        FieldRow{"msnScheme", u"msnURIScheme"_s, u"m:"_s, schemeOf(MessagingService::MSN)},
        FieldRow{"yahooScheme", u"yahooURIScheme"_s, u"y:"_s, schemeOf(MessagingService::Yahoo)},
        FieldRow{"dataOrder", u"dataOrder"_s, QVariantList{7, 3},
                 [](ExportSettings &settings, const QVariant &) {
                     settings.dataOrder = QList<int>{7, 3, 0, 1, 2, 4, 5, 6};
                 }},
        FieldRow{"groupsToUse", u"groupsToUse"_s, groupChoicesToVariant({{false, u"G"_s}}),
                 [](ExportSettings &settings, const QVariant &) {
                     settings.groupsToUse = QList<GroupChoice>{{false, u"G"_s}};
                 }}),
    RowName());

} // namespace
