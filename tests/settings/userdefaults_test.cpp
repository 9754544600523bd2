// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/userdefaults.h"

#include "settings/preferencesstore.h"
#include "settingstestsupport.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QTimeZone>

#include <sys/time.h>

using namespace Qt::StringLiterals;

namespace {

// The standard store lives in ${XDG_CONFIG_HOME}: point it at a fresh folder before any test
// of this program touches it.
class StandardStoreFolder : public testing::Environment
{
public:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path())); }

private:
    QTemporaryDir m_dir;
};
const auto *const kStandardStoreFolder = testing::AddGlobalTestEnvironment(new StandardStoreFolder);

TEST(UserDefaults, standardStoreLivesInTheConfigFolder)
{
    EXPECT_EQ(PreferencesStore::standard().files().userDomain,
              qEnvironmentVariable("XDG_CONFIG_HOME")
                  + u"/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s);
}

TEST(UserDefaults, writeReachesTheDiskAndRemoveRestoresTheDefault)
{
    QEV_UserDefaults::registerDefault(u"vorlin.html"_s, u"fileName"_s);
    EXPECT_TRUE(QEV_UserDefaults::defaultExists(u"fileName"_s));
    QEV_UserDefaults::writeDefault(u"friends.html"_s, u"fileName"_s);
    const PreferencesStore second(PreferencesStore::standardFiles());
    EXPECT_EQ(second.objectForKey(u"fileName"_s), u"friends.html"_s);

    QEV_UserDefaults::removeDefault(u"fileName"_s);
    EXPECT_EQ(QEV_UserDefaults::readDefault(u"fileName"_s), u"vorlin.html"_s);
    EXPECT_FALSE(QEV_UserDefaults::defaultExists(u"neverSet"_s));
}

struct ArchiveRow : NamedRow
{
    QVariant object;
};

class ArchivedData : public testing::TestWithParam<ArchiveRow>
{};

TEST_P(ArchivedData, comesBackAsAnEqualObject)
{
    QEV_UserDefaults::writeArchivedDataDefault(GetParam().object, u"archived"_s);
    EXPECT_EQ(QEV_UserDefaults::readArchivedDataDefault(u"archived"_s), GetParam().object);
    QEV_UserDefaults::removeDefault(u"archived"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ArchivedData,
    testing::Values(ArchiveRow{"point", QPoint(3, -4)},
                    ArchiveRow{"nestedMap", QVariantMap{{u"a"_s, QVariantList{1, u"b"_s}}}},
                    ArchiveRow{"dateTime",
                               QDateTime(QDate(2026, 12, 7), QTime(8, 0, 0, 5), QTimeZone::utc())},
                    ArchiveRow{"bytes", QByteArray("\0\1\2", 3)}),
    RowName());

TEST(UserDefaults, archivedReadPassesOtherValuesThrough)
{
    QEV_UserDefaults::writeDefault(u"plain"_s, u"notArchived"_s);
    EXPECT_EQ(QEV_UserDefaults::readArchivedDataDefault(u"notArchived"_s), u"plain"_s);
    QEV_UserDefaults::writeDefault(QByteArray("raw bytes"), u"notArchived"_s);
    EXPECT_EQ(QEV_UserDefaults::readArchivedDataDefault(u"notArchived"_s), QByteArray("raw bytes"));
    EXPECT_FALSE(QEV_UserDefaults::readArchivedDataDefault(u"absentKey"_s).isValid());
    QEV_UserDefaults::removeDefault(u"notArchived"_s);
}

struct CountryRow : NamedRow
{
    QVariant city;
    QString expected;
};

class UserCountryCode : public testing::TestWithParam<CountryRow>
{};

TEST_P(UserCountryCode, isTheFifthEntryInUpperCase)
{
    const QString key = u"com.apple.TimeZonePref.Last_Selected_City"_s;
    QEV_UserDefaults::writeDefault(GetParam().city, key);
    EXPECT_EQ(QEV_UserDefaults::returnUserCountryCode(), GetParam().expected);
    QEV_UserDefaults::removeDefault(key);
}

const QVariantList kBerlin{u"52.5"_s, u"13.4"_s, u"0"_s, u"Europe/Berlin"_s, u"de"_s};

INSTANTIATE_TEST_SUITE_P(Rows, UserCountryCode,
                         testing::Values(CountryRow{"fiveEntries", kBerlin, u"DE"_s},
                                         CountryRow{"fourEntries", kBerlin.mid(0, 4), u"US"_s},
                                         CountryRow{"absent", QVariant(), u"US"_s}),
                         RowName());

struct PlistFileRow : NamedRow
{
    std::optional<QByteArray> (*serialize)(const QVariant &);
};

class PlistValueOfAFile : public ConfigFolderTest, public testing::WithParamInterface<PlistFileRow>
{};

TEST_P(PlistValueOfAFile, readsXmlAndBinaryAlike)
{
    const QString file = path(u"info.plist"_s);
    writeFile(file, *GetParam().serialize(QVariantMap{{u"CFBundleName"_s, u"Vorlin"_s}}));
    EXPECT_EQ(QEV_UserDefaults::returnPlistValue(file, u"CFBundleName"_s), u"Vorlin"_s);
    EXPECT_FALSE(QEV_UserDefaults::returnPlistValue(file, u"Missing"_s).isValid());
}

INSTANTIATE_TEST_SUITE_P(Formats, PlistValueOfAFile,
                         testing::Values(PlistFileRow{"xml", toXmlPropertyList},
                                         PlistFileRow{"binary", toBinaryPropertyList}),
                         RowName());

TEST_F(ConfigFolderTest, plistParseErrorIsLoggedAndGivesAbsent)
{
    const QString file = path(u"broken.plist"_s);
    writeFile(file, "<plist><dict><key>unfinished");
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });
    EXPECT_FALSE(QEV_UserDefaults::returnPlistValue(file, u"key"_s).isValid());
    EXPECT_FALSE(QEV_UserDefaults::returnPlistValue(path(u"missing.plist"_s), u"key"_s).isValid());
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().startsWith(u"returnPlistValue error: "_s + file));
}

TEST(UserDefaults, plistValueOfTheBundle)
{
    const Bundle bundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS));
    EXPECT_EQ(QEV_UserDefaults::returnPlistValue(u"CFBundleExecutable"_s, bundle), u"Vorlin-svc"_s);
}

TEST_F(ConfigFolderTest, touchingTheBundleRenewsItsDate)
{
    const QString app = path(u"Vorlin.app"_s);
    QDir().mkpath(app + u"/Contents"_s);
    const timeval old[2] = {{1000000, 0}, {1000000, 0}};
    ASSERT_EQ(::utimes(QFile::encodeName(app).constData(), old), 0);
    QEV_UserDefaults::touchBundleDate(Bundle(app + u"/Contents"_s));
    EXPECT_GT(QFileInfo(app).lastModified(), QDateTime::currentDateTime().addSecs(-60));
}

} // namespace
