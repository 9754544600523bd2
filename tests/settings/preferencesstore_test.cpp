// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/preferencesstore.h"

#include "settingstestsupport.h"
#include "util/dateadditions.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QPoint>
#include <QSignalSpy>
#include <QTimeZone>

using namespace Qt::StringLiterals;

namespace {

class Store : public ConfigFolderTest
{
protected:
    void SetUp() override { QDir().mkpath(path(u"prefs"_s)); }
};

TEST_F(Store, freshFolderReadsRegisteredDefaultsOnly)
{
    PreferencesStore store(files());
    store.registerDefaults({{u"fileName"_s, u"vorlin.html"_s}});
    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"vorlin.html"_s);
    EXPECT_FALSE(store.objectForKey(u"unknown"_s).isValid());
}

TEST_F(Store, userValueHidesDefaultUntilRemoved)
{
    PreferencesStore store(files());
    store.registerDefaults({{u"webURIScheme"_s, u"http://"_s}});
    ASSERT_TRUE(store.setObject(u"https://"_s, u"webURIScheme"_s));
    EXPECT_EQ(store.objectForKey(u"webURIScheme"_s), u"https://"_s);
    ASSERT_TRUE(store.removeObject(u"webURIScheme"_s).has_value());
    EXPECT_EQ(store.objectForKey(u"webURIScheme"_s), u"http://"_s);
}

TEST_F(Store, valueIsOnDiskWhenTheWriteReturns)
{
    {
        PreferencesStore writer(files());
        ASSERT_TRUE(writer.setObject(QVariantList{2, 0, 1}, u"dataOrder"_s));
        const PreferencesStore reader(files());
        EXPECT_EQ(reader.objectForKey(u"dataOrder"_s), (QVariantList{2, 0, 1}));
    }
    EXPECT_TRUE(readFile(files().userDomain).startsWith("<?xml"));
}

TEST_F(Store, systemWideValuesStandBetweenUserAndDefaults)
{
    writeFile(files().globalDomain, *toXmlPropertyList(QVariantMap{{u"key"_s, u"global"_s}}));
    PreferencesStore store(files());
    store.registerDefaults({{u"key"_s, u"registered"_s}});
    EXPECT_EQ(store.objectForKey(u"key"_s), u"global"_s);
    store.setObject(u"user"_s, u"key"_s);
    EXPECT_EQ(store.objectForKey(u"key"_s), u"user"_s);
}

TEST_F(Store, binaryUserFileReadsLikeXml)
{
    writeFile(files().userDomain, *toBinaryPropertyList(QVariantMap{{u"sortByLast"_s, false}}));
    const PreferencesStore store(files());
    EXPECT_EQ(store.objectForKey(u"sortByLast"_s), false);
}

struct CorruptRow : NamedRow
{
    QByteArray contents;
};

class CorruptUserFile : public Store, public testing::WithParamInterface<CorruptRow>
{};

TEST_P(CorruptUserFile, isKeptAsideAndDefaultsAreUsed)
{
    writeFile(files().userDomain, GetParam().contents);
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });

    PreferencesStore store(files());
    store.registerDefaults({{u"fileName"_s, u"vorlin.html"_s}});

    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"vorlin.html"_s);
    const QStringList aside
        = QDir(path(u"prefs"_s)).entryList({u"org.vorlin.Vorlin.plist.corrupt-*"_s}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(readFile(path(u"prefs/"_s + aside.first())), GetParam().contents);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().contains(files().userDomain)) << log.first().toStdString();
    EXPECT_TRUE(log.first().contains(aside.first()));

    EXPECT_TRUE(store.setObject(u"new.html"_s, u"fileName"_s).has_value());
    EXPECT_EQ(PreferencesStore(files()).objectForKey(u"fileName"_s), u"new.html"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CorruptUserFile,
    testing::Values(CorruptRow{"garbage", QByteArray("this is not a property list")},
                    CorruptRow{"emptyFile", QByteArray()},
                    CorruptRow{"truncatedXml",
                               QByteArray("<?xml version=\"1.0\"?>\n<plist "
                                          "version=\"1.0\"><dict><key>css")},
                    CorruptRow{"listInsteadOfDictionary", *toXmlPropertyList(QVariantList{1})}),
    RowName());

TEST_F(Store, failedWriteIsReportedAndKeepsTheValueForThisRun)
{
    // A file where the folder should be makes every save fail, even for root.
    writeFile(path(u"blocked"_s), "not a folder");
    PreferencesStore store({path(u"blocked/org.vorlin.Vorlin.plist"_s), {}});
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });

    EXPECT_FALSE(store.setObject(u"x.html"_s, u"fileName"_s).has_value());
    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"x.html"_s);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().contains(u"blocked/org.vorlin.Vorlin.plist"_s));
}

// The window and a vorlin-export run hold the same file; neither may undo the other's work.
TEST_F(Store, twoStoresOnOneFileKeepEachOthersChanges)
{
    writeFile(files().userDomain,
              *toXmlPropertyList(QVariantMap{{u"css"_s, u"a"_s}, {u"fileName"_s, u"f.html"_s}}));
    PreferencesStore window(files());
    PreferencesStore exporter(files());
    QSignalSpy exporterChanges(&exporter, &PreferencesStore::valueChanged);

    ASSERT_TRUE(window.removeObject(u"css"_s).has_value());
    ASSERT_TRUE(window.setObject(false, u"sortByLast"_s).has_value());
    ASSERT_TRUE(exporter.setObject(u"g.html"_s, u"fileName"_s).has_value());
    ASSERT_TRUE(window.setObject(QVariantList{1, 0}, u"dataOrder"_s).has_value());

    const PreferencesStore reopened(files());
    EXPECT_FALSE(reopened.objectForKey(u"css"_s).isValid());
    EXPECT_EQ(reopened.objectForKey(u"sortByLast"_s), false);
    EXPECT_EQ(reopened.objectForKey(u"fileName"_s), u"g.html"_s);
    EXPECT_EQ(reopened.objectForKey(u"dataOrder"_s), (QVariantList{1, 0}));
    // The exporter's save brought the window's changes in, and said so.
    EXPECT_FALSE(exporter.objectForKey(u"css"_s).isValid());
    EXPECT_EQ(exporter.objectForKey(u"sortByLast"_s), false);
    QStringList announced;
    for (const QList<QVariant> &change : exporterChanges)
        announced.append(change.first().toString());
    announced.sort();
    EXPECT_EQ(announced, (QStringList{u"css"_s, u"fileName"_s, u"sortByLast"_s}));
}

TEST_F(Store, aFailedSaveIsRetriedWithTheNextOne)
{
    PreferencesStore store(files());
    const SystemLogCapture quiet([](const QString &) {});
    QDir(path(u"prefs"_s)).removeRecursively();
    writeFile(path(u"prefs"_s), "a file where the folder belongs");
    EXPECT_FALSE(store.setObject(u"x.html"_s, u"fileName"_s).has_value());
    ASSERT_TRUE(QFile::remove(path(u"prefs"_s)));
    ASSERT_TRUE(store.setObject(u"b"_s, u"css"_s).has_value());
    const PreferencesStore reopened(files());
    EXPECT_EQ(reopened.objectForKey(u"fileName"_s), u"x.html"_s);
    EXPECT_EQ(reopened.objectForKey(u"css"_s), u"b"_s);
}

TEST_F(Store, refusesValuesWithoutPropertyListForm)
{
    PreferencesStore store(files());
    const SystemLogCapture capture([](const QString &) {});
    EXPECT_FALSE(store.setObject(QPoint(1, 2), u"point"_s).has_value());
    EXPECT_FALSE(store.objectForKey(u"point"_s).isValid());
}

TEST_F(Store, announcesEveryChangeOfAnEffectiveValue)
{
    PreferencesStore store(files());
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);
    store.registerDefaults({{u"css"_s, u"a"_s}});
    store.setObject(u"b"_s, u"css"_s);
    store.setObject(u"b"_s, u"css"_s);            // same value: nothing to tell
    store.registerDefaults({{u"css"_s, u"c"_s}}); // hidden by the user's value
    store.removeObject(u"css"_s);
    ASSERT_EQ(changes.size(), 3);
    for (const QList<QVariant> &change : changes)
        EXPECT_EQ(change.first(), u"css"_s);
}

TEST_F(Store, suppliesTheUsersDateFormats)
{
    writeFile(files().globalDomain,
              *toXmlPropertyList(QVariantMap{{u"NSShortDateFormatString"_s, u"%d.%m.%y"_s}}));
    PreferencesStore store(files());
    store.setObject(u"%e %B %Y"_s, u"NSDateFormatString"_s);
    QLocale::setDefault(QLocale(u"en_US"_s));
    const QDateTime moment(QDate(2026, 12, 7), QTime(12, 0), QTimeZone::systemTimeZone());
    EXPECT_EQ(QEV_NSDateAdditions::longDateString(moment, store), u"7 December 2026"_s);
    EXPECT_EQ(QEV_NSDateAdditions::shortDateString(moment, store), u"07.12.26"_s);
    QLocale::setDefault(QLocale::system());
}

} // namespace
