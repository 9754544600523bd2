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

TEST(DataKindTable, keysAreDistinct)
{
    const QStringList keys = allRowKeys();
    EXPECT_EQ(keys.size(), 25);
    EXPECT_EQ(QSet<QString>(keys.cbegin(), keys.cend()).size(), keys.size());
}

TEST(DataKindTable, everyKindButMessagingHasASchemeAndAPlaceholder)
{
    for (const DataKindInfo &row : dataKinds()) {
        const bool hasScheme = row.kind != DataKind::InstantMessaging;
        EXPECT_EQ(!row.schemeKey.isEmpty(), hasScheme) << row.rowTitle.toString().toStdString();
        EXPECT_EQ(!row.placeholder.isEmpty(), hasScheme) << row.rowTitle.toString().toStdString();
        EXPECT_TRUE(row.schemeKey.isEmpty() || row.schemeKey.endsWith(u"URIScheme"));
        EXPECT_TRUE(row.includeKey.startsWith(u"include"));
    }
}

// A service's keys and texts all follow from its title, so a row that borrows another
// service's key or mark shows here.
TEST(DataKindTable, serviceKeysFollowFromTheTitle)
{
    for (const MessagingServiceInfo &row : messagingServices()) {
        const QString name = row.title.toString().remove(u'!');
        EXPECT_EQ(row.includeKey, QString(u"include"_s + name));
        EXPECT_EQ(row.schemeKey, QString(name.toLower() + u"URIScheme"_s));
        EXPECT_EQ(row.placeholder, QString(row.title + u" URI Scheme"_s));
    }
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

// One row switched off and given its own scheme: exactly that row's slots change.
TEST_F(DataKindRows, eachKindsKeysReachOnlyItsOwnSlots)
{
    for (const DataKindInfo &row : dataKinds()) {
        SCOPED_TRACE(row.rowTitle.toString().toStdString());
        m_store.setObject(false, row.includeKey.toString());
        if (!row.schemeKey.isEmpty())
            m_store.setObject(u"mine:"_s, row.schemeKey.toString());
        const ExportSettings settings = refreshed();
        for (const DataKindInfo &other : dataKinds()) {
            EXPECT_EQ(settings.include(other.kind), other.kind != row.kind);
            const bool isMine = other.kind == row.kind && !row.schemeKey.isEmpty();
            EXPECT_EQ(settings.scheme(other.kind) == u"mine:"_s, isMine);
        }
        m_store.removeObject(row.includeKey.toString());
        if (!row.schemeKey.isEmpty())
            m_store.removeObject(row.schemeKey.toString());
    }
}

TEST_F(DataKindRows, eachServicesKeysReachOnlyItsOwnSlots)
{
    for (const MessagingServiceInfo &row : messagingServices()) {
        SCOPED_TRACE(row.title.toString().toStdString());
        m_store.setObject(false, row.includeKey.toString());
        m_store.setObject(u"mine:"_s, row.schemeKey.toString());
        const ExportSettings settings = refreshed();
        for (const MessagingServiceInfo &other : messagingServices()) {
            EXPECT_EQ(settings.include(other.service), other.service != row.service);
            EXPECT_EQ(settings.scheme(other.service) == u"mine:"_s, other.service == row.service);
        }
        m_store.removeObject(row.includeKey.toString());
        m_store.removeObject(row.schemeKey.toString());
    }
}

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
