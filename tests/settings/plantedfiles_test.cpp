// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files that are not ordinary files: a FIFO or a link to an endless device in place
// of the preferences, the system-wide preferences or the lock. Nothing waits on them: the
// store starts on the defaults with a message, and saving clears an odd lock and goes on.
#include "settings/preferencesstore.h"

#include "settingstestsupport.h"

#include "rowname.h"

#include <QDir>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

enum class Which { preferences, globalPreferences, lock };
enum class Planted { fifo, linkToDevZero, linkToNowhere };

struct PlantedRow : NamedRow
{
    Which which;
    Planted planted;
};

class PlantedSettingsFile : public ConfigFolderTest, public testing::WithParamInterface<PlantedRow>
{
protected:
    void SetUp() override { QDir().mkpath(path(u"prefs"_s)); }

    [[nodiscard]] QString plantedPath() const
    {
        switch (GetParam().which) {
        case Which::preferences:
            return files().userDomain;
        case Which::globalPreferences:
            return files().globalDomain;
        case Which::lock:
            break;
        }
        return files().userDomain + u".lock"_s;
    }

    void plant() const
    {
        const QByteArray name = QFile::encodeName(plantedPath());
        switch (GetParam().planted) {
        case Planted::fifo:
            ASSERT_EQ(::mkfifo(name.constData(), 0600), 0);
            return;
        case Planted::linkToDevZero:
            ASSERT_EQ(::symlink("/dev/zero", name.constData()), 0);
            return;
        case Planted::linkToNowhere:
            ASSERT_EQ(::symlink("/nonexistent/vorlin", name.constData()), 0);
            return;
        }
    }
};

TEST_P(PlantedSettingsFile, neitherBlocksNorStopsTheStore)
{
    plant();
    PreferencesStore store(files());
    store.registerDefaults({{u"css"_s, u"default"_s}});
    EXPECT_EQ(store.objectForKey(u"css"_s), u"default"_s);
    const Expected<void> saved = store.setObject(u"mine"_s, u"css"_s);
    // Preferences that are not an ordinary file are not replaced: the user put them there.
    EXPECT_EQ(bool(saved), GetParam().which != Which::preferences);
    if (GetParam().which != Which::preferences) {
        EXPECT_EQ(PreferencesStore(files()).objectForKey(u"css"_s), u"mine"_s);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PreferencesStore, PlantedSettingsFile,
    testing::Values(PlantedRow{{"preferencesFifo"}, Which::preferences, Planted::fifo},
                    PlantedRow{{"preferencesDevZero"}, Which::preferences, Planted::linkToDevZero},
                    PlantedRow{{"globalFifo"}, Which::globalPreferences, Planted::fifo},
                    PlantedRow{{"globalDevZero"}, Which::globalPreferences, Planted::linkToDevZero},
                    PlantedRow{{"lockFifo"}, Which::lock, Planted::fifo},
                    PlantedRow{{"lockDevZero"}, Which::lock, Planted::linkToDevZero},
                    PlantedRow{{"lockToNowhere"}, Which::lock, Planted::linkToNowhere}),
    RowName());

} // namespace
