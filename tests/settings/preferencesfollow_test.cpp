// SPDX-License-Identifier: GPL-3.0-or-later
// The store follows its file: what another program saves shows here within a second, with
// exactly the changed keys announced, while this process's own saves and another program's
// half-done ones announce nothing.
#include "settings/preferencesstore.h"

#include "settingstestsupport.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Long enough for a notification, the settle time and a retry, with room to spare: an
// announcement that has not come by then is not coming.
constexpr int kQuietTime = 700;

const QVariantMap kInitialValues{{u"fileName"_s, u"f.html"_s}, {u"sortByLast"_s, true}};
const QVariantMap kChangedValues{{u"fileName"_s, u"f.html"_s}, {u"sortByLast"_s, false}};

QStringList announcedKeys(const QSignalSpy &spy)
{
    QStringList keys;
    for (const QList<QVariant> &change : spy)
        keys.append(change.first().toString());
    return keys;
}

class Follow : public ConfigFolderTest
{
protected:
    void SetUp() override
    {
        QDir().mkpath(path(u"prefs"_s));
        writeFile(files().userDomain, *toXmlPropertyList(kInitialValues));
    }

    /// Waits for a first announcement, then for any further one.
    QStringList announcedAfterwards(QSignalSpy &spy)
    {
        spy.wait(1000);
        QTest::qWait(kQuietTime);
        return announcedKeys(spy);
    }
};

using Writer = std::function<void(const PreferencesStore::Files &files, const QString &scratch)>;

struct OtherProgramRow : NamedRow
{
    Writer write;
};

class OtherProgram : public Follow, public testing::WithParamInterface<OtherProgramRow>
{};

TEST_P(OtherProgram, changeIsSeenWithExactlyItsKeyAnnounced)
{
    PreferencesStore store(files());
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);

    GetParam().write(files(), path(u"scratch.plist"_s));

    EXPECT_EQ(announcedAfterwards(changes), QStringList{u"sortByLast"_s});
    EXPECT_EQ(store.objectForKey(u"sortByLast"_s), false);
    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"f.html"_s);
}

void runPlistutil(const QString &from, const QString &to)
{
    const QString plistutil = u"/usr/bin/plistutil"_s;
    ASSERT_TRUE(QFile::exists(plistutil)) << "needs plistutil (libplist-utils)";
    ASSERT_EQ(QProcess::execute(plistutil, {u"-i"_s, from, u"-o"_s, to, u"-f"_s, u"bin"_s}), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, OtherProgram,
    testing::Values(
        OtherProgramRow{"secondStore",
                        [](const PreferencesStore::Files &files, const QString &) {
                            PreferencesStore(files).setObject(false, u"sortByLast"_s);
                        }},
        OtherProgramRow{"handEditSavedByRename",
                        [](const PreferencesStore::Files &files, const QString &) {
                            replaceFile(files.userDomain, *toXmlPropertyList(kChangedValues));
                        }},
        // A separate process writing the file in place, in the binary form.
        OtherProgramRow{"otherProcessWritingInPlace",
                        [](const PreferencesStore::Files &files, const QString &scratch) {
                            writeFile(scratch, *toXmlPropertyList(kChangedValues));
                            runPlistutil(scratch, files.userDomain);
                        }},
        // Removed, then replaced after the store's first look found nothing.
        OtherProgramRow{"fileBrieflyMissing",
                        [](const PreferencesStore::Files &files, const QString &) {
                            QFile::remove(files.userDomain);
                            QTimer::singleShot(200, [files] {
                                replaceFile(files.userDomain, *toXmlPropertyList(kChangedValues));
                            });
                        }}),
    RowName());

TEST_F(Follow, ownSavesAnnounceNothingMore)
{
    PreferencesStore store(files());
    PreferencesStore other(files());
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);
    QSignalSpy otherChanges(&other, &PreferencesStore::valueChanged);

    ASSERT_TRUE(store.setObject(u"g.html"_s, u"fileName"_s));
    ASSERT_TRUE(store.updateValue(u"p {}"_s, u"css"_s));
    QTest::qWait(PreferencesStore::kSaveDelayMilliseconds + kQuietTime);

    EXPECT_EQ(announcedKeys(changes), (QStringList{u"fileName"_s, u"css"_s}));
    QStringList seenByOther = announcedKeys(otherChanges);
    seenByOther.sort();
    EXPECT_EQ(seenByOther, (QStringList{u"css"_s, u"fileName"_s}));
}

TEST_F(Follow, unsavedKeysOutliveAnotherProgramsChangeAndAreSavedBesideIt)
{
    PreferencesStore store(files());
    ASSERT_TRUE(store.updateValue(u"mine"_s, u"css"_s));
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);

    PreferencesStore(files()).setObject(false, u"sortByLast"_s);
    ASSERT_TRUE(changes.wait(1000));
    EXPECT_EQ(store.objectForKey(u"css"_s), u"mine"_s);
    ASSERT_TRUE(store.synchronize());

    const PreferencesStore reopened(files());
    EXPECT_EQ(reopened.objectForKey(u"css"_s), u"mine"_s);
    EXPECT_EQ(reopened.objectForKey(u"sortByLast"_s), false);
    EXPECT_EQ(reopened.objectForKey(u"fileName"_s), u"f.html"_s);
    EXPECT_EQ(announcedKeys(changes), QStringList{u"sortByLast"_s});
}

// The writer may not be done: neither kept aside nor taken as empty, and said only once.
TEST_F(Follow, damagedFileIsLeftInPlaceAndTheValuesKept)
{
    PreferencesStore store(files());
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });

    replaceFile(files().userDomain, "<?xml version=\"1.0\"?><plist><dict><key>sortBy");
    QTest::qWait(kQuietTime);
    replaceFile(files().userDomain, "still not a property list");
    QTest::qWait(kQuietTime);

    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(store.objectForKey(u"sortByLast"_s), true);
    EXPECT_EQ(QDir(path(u"prefs"_s)).entryList({u"*.corrupt-*"_s}, QDir::Files), QStringList());
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().contains(files().userDomain)) << log.first().toStdString();

    replaceFile(files().userDomain, *toXmlPropertyList(kChangedValues));
    EXPECT_EQ(announcedAfterwards(changes), QStringList{u"sortByLast"_s});
}

TEST_F(Follow, folderMadeAfterTheStartIsFollowed)
{
    const PreferencesStore::Files later{path(u"later/deeper/org.vorlin.Vorlin.plist"_s), {}};
    PreferencesStore store(later);
    QSignalSpy changes(&store, &PreferencesStore::valueChanged);

    PreferencesStore(later).setObject(u"x.html"_s, u"fileName"_s);
    ASSERT_TRUE(changes.wait(1000));
    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"x.html"_s);

    replaceFile(later.userDomain, *toXmlPropertyList(QVariantMap{{u"fileName"_s, u"y.html"_s}}));
    ASSERT_TRUE(changes.wait(1000)) << "the new folder itself is watched now";
    EXPECT_EQ(store.objectForKey(u"fileName"_s), u"y.html"_s);
}

} // namespace
