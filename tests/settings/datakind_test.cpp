// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/datakind.h"

#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/preferencesstore.h"
#include "settings/settingsobserver.h"
#include "settingstestsupport.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// Every key a row names, so that two rows can never share one.
QStringList allRowKeys()
{
    QStringList keys;
    for (const DataKindInfo &row : dataKinds()) {
        keys.append(row.includeKey.toString());
        if (!row.schemeKey.isEmpty())
            keys.append(row.schemeKey.toString());
    }
    for (const MessagingServiceInfo &row : messagingServices())
        keys += {row.includeKey.toString(), row.schemeKey.toString()};
    return keys;
}

// The rows' titles and the scheme fields' placeholders, which are also the fields' accessible
// names: a row that borrows another's text cannot be told from it, on screen or by ear.
QStringList allRowTexts()
{
    QStringList texts;
    for (const DataKindInfo &row : dataKinds()) {
        texts.append(row.rowTitle.toString());
        if (!row.placeholder.isEmpty())
            texts.append(row.placeholder.toString());
    }
    for (const MessagingServiceInfo &row : messagingServices())
        texts += {row.title.toString(), row.placeholder.toString()};
    return texts;
}

TEST(DataKindTable, keysAndTextsAreDistinct)
{
    const QStringList keys = allRowKeys();
    EXPECT_EQ(keys.size(), 25);
    EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size());
    const QStringList texts = allRowTexts();
    EXPECT_EQ(QSet<QString>(texts.cbegin(), texts.cend()).size(), texts.size());
}

TEST(DataKindTable, idsOutsideTheTableNameNoKind)
{
    EXPECT_EQ(dataKindFromId(0), DataKind::Phone);
    EXPECT_EQ(dataKindFromId(7), DataKind::Note);
    EXPECT_FALSE(dataKindFromId(-1));
    EXPECT_FALSE(dataKindFromId(8));
}

class DataKindRows : public ConfigFolderTest
{
protected:
    void SetUp() override { m_store.registerDefaults(defaultSettings(u"body {}"_s)); }

    [[nodiscard]] ExportSettings refreshed() const
    {
        ExportSettings settings;
        readDefaults(settings, m_store, {});
        return settings;
    }

    PreferencesStore m_store{files()};
};

// The keys as a preferences file names them, so that one written by hand or by an earlier
// version keeps its meaning.
struct KindKeysRow : NamedRow
{
    DataKind kind;
    QString includeKey;
    QString schemeKey; // none for instant messaging, whose services have their own
};

class StoredKindKeys : public DataKindRows, public testing::WithParamInterface<KindKeysRow>
{};

// The kind switched off and given its own scheme: exactly its slots change, and only a kind
// with a scheme has a field (with a placeholder, its accessible name) in the window.
TEST_P(StoredKindKeys, reachOnlyTheirKindsSlots)
{
    const KindKeysRow &row = GetParam();
    m_store.setObject(false, row.includeKey);
    if (!row.schemeKey.isEmpty())
        m_store.setObject(u"mine:"_s, row.schemeKey);
    const ExportSettings settings = refreshed();
    for (const DataKindInfo &other : dataKinds()) {
        EXPECT_EQ(settings.include(other.kind), other.kind != row.kind);
        const bool isMine = other.kind == row.kind && !row.schemeKey.isEmpty();
        EXPECT_EQ(settings.scheme(other.kind) == u"mine:"_s, isMine);
    }
    EXPECT_EQ(dataKindInfo(row.kind).schemeKey.isEmpty(), row.schemeKey.isEmpty());
    EXPECT_EQ(dataKindInfo(row.kind).placeholder.isEmpty(), row.schemeKey.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    DataKind, StoredKindKeys,
    testing::Values(
        KindKeysRow{"phone", DataKind::Phone, u"includePhone"_s, u"phoneURIScheme"_s},
        KindKeysRow{"email", DataKind::Email, u"includeEmail"_s, u"emailURIScheme"_s},
        KindKeysRow{"web", DataKind::Web, u"includeWeb"_s, u"webURIScheme"_s},
        KindKeysRow{"dates", DataKind::Dates, u"includeDate"_s, u"dateURIScheme"_s},
        KindKeysRow{"relatedNames", DataKind::RelatedNames, u"includeRelatedName"_s,
                    u"relatedNameURIScheme"_s},
        KindKeysRow{
            "instantMessaging", DataKind::InstantMessaging, u"includeInstantMessaging"_s, {}},
        KindKeysRow{"postal", DataKind::Postal, u"includePostal"_s, u"postalURIScheme"_s},
        KindKeysRow{"note", DataKind::Note, u"includeNote"_s, u"noteURIScheme"_s}),
    RowName());

struct ServiceKeysRow : NamedRow
{
    MessagingService service;
    QString includeKey;
    QString schemeKey;
};

class StoredServiceKeys : public DataKindRows, public testing::WithParamInterface<ServiceKeysRow>
{};

TEST_P(StoredServiceKeys, reachOnlyTheirServicesSlots)
{
    const ServiceKeysRow &row = GetParam();
    m_store.setObject(false, row.includeKey);
    m_store.setObject(u"mine:"_s, row.schemeKey);
    const ExportSettings settings = refreshed();
    for (const MessagingServiceInfo &other : messagingServices()) {
        EXPECT_EQ(settings.include(other.service), other.service != row.service);
        EXPECT_EQ(settings.scheme(other.service) == u"mine:"_s, other.service == row.service);
    }
}

INSTANTIATE_TEST_SUITE_P(
    DataKind, StoredServiceKeys,
    testing::Values(
        ServiceKeysRow{"aim", MessagingService::AIM, u"includeAIM"_s, u"aimURIScheme"_s},
        ServiceKeysRow{"icq", MessagingService::ICQ, u"includeICQ"_s, u"icqURIScheme"_s},
        ServiceKeysRow{"jabber", MessagingService::Jabber, u"includeJabber"_s,
                       u"jabberURIScheme"_s},
        ServiceKeysRow{"msn", MessagingService::MSN, u"includeMSN"_s, u"msnURIScheme"_s},
        ServiceKeysRow{"yahoo", MessagingService::Yahoo, u"includeYahoo"_s, u"yahooURIScheme"_s}),
    RowName());

TEST(DataKindRowsElsewhere, areRegisteredAndObserved)
{
    const QVariantMap defaults = defaultSettings({});
    const QStringList &observed = SettingsObserver::observedKeyPaths();
    for (const QString &key : allRowKeys()) {
        EXPECT_TRUE(defaults.contains(key)) << key.toStdString();
        EXPECT_TRUE(observed.contains(u"values."_s + key)) << key.toStdString();
    }
    for (const DataKindInfo &row : dataKinds()) {
        if (!row.schemeKey.isEmpty()) {
            EXPECT_EQ(defaults.value(row.schemeKey.toString()), row.defaultScheme.toString());
        }
    }
}

struct StoredOrderRow : NamedRow
{
    QVariant stored;
    QList<int> order;
};

class StoredOrder : public testing::TestWithParam<StoredOrderRow>
{};

TEST_P(StoredOrder, givesEachKindOnceKeepingTheStoredPlaces)
{
    EXPECT_EQ(dataOrderFromSetting(GetParam().stored), GetParam().order);
}

const QList<int> kDefaultOrder{0, 1, 2, 3, 4, 5, 6, 7};

INSTANTIATE_TEST_SUITE_P(
    DataKind, StoredOrder,
    testing::Values(
        StoredOrderRow{
            "permutation", QVariantList{7, 6, 5, 4, 3, 2, 1, 0}, {7, 6, 5, 4, 3, 2, 1, 0}},
        StoredOrderRow{
            "repeatedKind", QVariantList{0, 0, 2, 3, 4, 5, 6, 7}, {0, 2, 3, 4, 5, 6, 7, 1}},
        StoredOrderRow{"missingKinds", QVariantList{6, 2}, {6, 2, 0, 1, 3, 4, 5, 7}},
        StoredOrderRow{"kindOutOfRange", QVariantList{0, 1, 2, 3, 4, 5, 6, 8}, kDefaultOrder},
        StoredOrderRow{"handEdited", QVariantList{3, 3, 9, -1, u"x"_s}, {3, 0, 1, 2, 4, 5, 6, 7}},
        StoredOrderRow{"numberAsText", QVariantList{u"7"_s}, {7, 0, 1, 2, 3, 4, 5, 6}},
        StoredOrderRow{"notAList", u"0 1 2"_s, kDefaultOrder},
        StoredOrderRow{"absent", QVariant(), kDefaultOrder}),
    RowName());

} // namespace
