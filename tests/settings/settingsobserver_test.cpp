// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsobserver.h"

#include "settings/preferencesstore.h"
#include "settingstestsupport.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

// Membership alone decides what reaches the preview, so the whole list is compared as a set;
// the four places checked before stay checked.
TEST(ObservedKeyPaths, areTheThirtyThreeInOrder)
{
    const QStringList &paths = SettingsObserver::observedKeyPaths();
    ASSERT_EQ(paths.size(), 33);
    EXPECT_EQ(paths.first(), u"values.sortByLast"_s);
    EXPECT_EQ(paths.at(18), u"values.phoneURIScheme"_s);
    EXPECT_EQ(paths.at(30), u"values.css"_s);
    EXPECT_EQ(paths.at(31), u"values.dataOrder"_s);
    EXPECT_EQ(paths.last(), u"values.pageLanguage"_s);
    QStringList expected{u"values.sortByLast"_s,
                         u"values.includeImage"_s,
                         u"values.includeGenericImages"_s,
                         u"values.includeJobTitle"_s,
                         u"values.includeOrganization"_s,
                         u"values.includePhone"_s,
                         u"values.includeEmail"_s,
                         u"values.includeWeb"_s,
                         u"values.includeAIM"_s,
                         u"values.includeYahoo"_s,
                         u"values.includeICQ"_s,
                         u"values.includeMSN"_s,
                         u"values.includeJabber"_s,
                         u"values.includePostal"_s,
                         u"values.includeNote"_s,
                         u"values.includeDate"_s,
                         u"values.includeRelatedName"_s,
                         u"values.includeInstantMessaging"_s,
                         u"values.phoneURIScheme"_s,
                         u"values.emailURIScheme"_s,
                         u"values.webURIScheme"_s,
                         u"values.aimURIScheme"_s,
                         u"values.yahooURIScheme"_s,
                         u"values.icqURIScheme"_s,
                         u"values.msnURIScheme"_s,
                         u"values.jabberURIScheme"_s,
                         u"values.postalURIScheme"_s,
                         u"values.noteURIScheme"_s,
                         u"values.dateURIScheme"_s,
                         u"values.relatedNameURIScheme"_s,
                         u"values.css"_s,
                         u"values.dataOrder"_s,
                         u"values.pageLanguage"_s};
    QStringList sorted = paths;
    sorted.sort();
    expected.sort();
    EXPECT_EQ(sorted, expected);
}

struct ObservationRow : NamedRow
{
    QString key;
    QVariant value;
    bool reachesPreview;
};

class Observation : public ConfigFolderTest, public testing::WithParamInterface<ObservationRow>
{};

TEST_P(Observation, reachesThePreviewOnlyForObservedKeys)
{
    PreferencesStore store(files());
    const SettingsObserver observer(store);
    QSignalSpy preview(&observer, &SettingsObserver::observedValueChanged);
    store.setObject(GetParam().value, GetParam().key);
    ASSERT_EQ(preview.size(), GetParam().reachesPreview ? 1 : 0);
    if (GetParam().reachesPreview) {
        EXPECT_EQ(preview.first().first().toString(), u"values."_s + GetParam().key);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Observation,
    testing::Values(ObservationRow{"switch", u"includePhone"_s, false, true},
                    ObservationRow{"scheme", u"webURIScheme"_s, u"https://"_s, true},
                    ObservationRow{"styleSheet", u"css"_s, u"body {}"_s, true},
                    ObservationRow{"dataOrder", u"dataOrder"_s, QVariantList{7, 6}, true},
                    ObservationRow{"pageLanguage", u"pageLanguage"_s, u"de"_s, true},
                    ObservationRow{"letterIndex", u"letterIndex"_s, u"locale"_s, false},
                    ObservationRow{"fileName", u"fileName"_s, u"a.html"_s, false},
                    ObservationRow{"groupsToUse", u"groupsToUse"_s, QVariantList{}, false},
                    ObservationRow{"lastFolder", u"NSNavLastCurrentDirectory"_s, u"/tmp"_s, false}),
    RowName());

} // namespace
