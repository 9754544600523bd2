// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/defaultsregistration.h"

#include "settings/preferencesstore.h"
#include "settings/valuetransformer.h"
#include "settingstestsupport.h"

#include "qtprinters.h"
#include "rowname.h"

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const Bundle kBuildTreeBundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS));

// The process's one registration, made before any test runs, whatever their order, as the
// application makes it at start; every later call registers nothing.
class FirstRegistration final : public testing::Environment
{
public:
    void SetUp() override
    {
        m_store = std::make_unique<PreferencesStore>(
            PreferencesStore::Files{m_dir.filePath(u"prefs/user.plist"_s), {}});
        registerDefaultSettings(*m_store, kBuildTreeBundle);
    }
    void TearDown() override { m_store.reset(); }

    [[nodiscard]] const PreferencesStore &store() const { return *m_store; }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<PreferencesStore> m_store;
};

auto *const kFirstRegistration
    = static_cast<FirstRegistration *>(testing::AddGlobalTestEnvironment(new FirstRegistration));

struct DefaultRow : NamedRow
{
    QString key;
    QVariant expected;
};

class RegisteredDefault : public ConfigFolderTest, public testing::WithParamInterface<DefaultRow>
{};

TEST_P(RegisteredDefault, readsOnAFreshInstallation)
{
    PreferencesStore store(files());
    store.registerDefaults(defaultSettings(u"body {}"_s));
    EXPECT_EQ(store.objectForKey(GetParam().key), GetParam().expected);
}

// Every key written out, with the default a fresh installation reads, rather than taken
// from the tables that register them.
const std::vector<DefaultRow> kEveryRegisteredDefault{
    {"sortByLast", u"sortByLast"_s, true},
    {"includeImage", u"includeImage"_s, true},
    {"includeGenericImages", u"includeGenericImages"_s, true},
    {"includeJobTitle", u"includeJobTitle"_s, true},
    {"includeOrganization", u"includeOrganization"_s, true},
    {"includePhone", u"includePhone"_s, true},
    {"includeEmail", u"includeEmail"_s, true},
    {"includeWeb", u"includeWeb"_s, true},
    {"includeDate", u"includeDate"_s, true},
    {"includeRelatedName", u"includeRelatedName"_s, true},
    {"includeInstantMessaging", u"includeInstantMessaging"_s, true},
    {"includeAIM", u"includeAIM"_s, true},
    {"includeICQ", u"includeICQ"_s, true},
    {"includeJabber", u"includeJabber"_s, true},
    {"includeMSN", u"includeMSN"_s, true},
    {"includeYahoo", u"includeYahoo"_s, true},
    {"includePostal", u"includePostal"_s, true},
    {"includeNote", u"includeNote"_s, true},
    {"phone", u"phoneURIScheme"_s, u"dialectic://dial?number="_s},
    {"email", u"emailURIScheme"_s, u"mailto:"_s},
    {"web", u"webURIScheme"_s, u"http://"_s},
    {"aim", u"aimURIScheme"_s, u"aim:goim?screenname="_s},
    {"icqSameAsAim", u"icqURIScheme"_s, u"aim:goim?screenname="_s},
    {"jabberHoldsPlaceholder", u"jabberURIScheme"_s, u"xmpp:%@?message"_s},
    {"msn", u"msnURIScheme"_s, u"msn:"_s},
    {"yahoo", u"yahooURIScheme"_s, u"ymsgr:sendim?"_s},
    {"postalEmpty", u"postalURIScheme"_s, u""_s},
    {"noteEmpty", u"noteURIScheme"_s, u""_s},
    {"dateEmpty", u"dateURIScheme"_s, u""_s},
    {"relatedNameEmpty", u"relatedNameURIScheme"_s, u""_s},
    {"css", u"css"_s, u"body {}"_s},
    {"dataOrder", u"dataOrder"_s, QVariantList{0, 1, 2, 3, 4, 5, 6, 7}},
    {"fileName", u"fileName"_s, u"vorlin.html"_s},
    {"groupsToUse", u"groupsToUse"_s, QVariantList{}},
    {"pageLanguageIsTheDesktops", u"pageLanguage"_s, u""_s},
    {"letterIndexIsLatin", u"letterIndex"_s, u"latin"_s},
};

INSTANTIATE_TEST_SUITE_P(Keys, RegisteredDefault, testing::ValuesIn(kEveryRegisteredDefault),
                         RowName());

TEST(DefaultSettings, registerTheKeysOfTheTableAndNoOther)
{
    QStringList tableKeys;
    for (const DefaultRow &row : kEveryRegisteredDefault)
        tableKeys.append(row.key);
    tableKeys.sort();
    EXPECT_EQ(defaultSettings(u"body {}"_s).keys(), tableKeys);
}

TEST(DefaultSettings, coverAllKeysAndOnlyJabberHasAPlaceholder)
{
    const QVariantMap defaults = defaultSettings(QString());
    EXPECT_EQ(defaults.size(), 36);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it) {
        if (it.key().endsWith(u"URIScheme"_s)) {
            EXPECT_EQ(it.value().toString().contains(u"%@"_s), it.key() == u"jabberURIScheme"_s)
                << it.key().toStdString();
        }
    }
}

TEST_F(ConfigFolderTest, registrationRunsOnceWithTheBundledStyleSheet)
{
    const QString css = kFirstRegistration->store().objectForKey(u"css"_s).toString();
    EXPECT_EQ(css.toUtf8(), readFile(kBuildTreeBundle.resourcesPath() + u"/default.css"_s));
    EXPECT_TRUE(css.contains(u".card"_s));

    PreferencesStore second({path(u"other.plist"_s), {}});
    registerDefaultSettings(second, kBuildTreeBundle);
    EXPECT_FALSE(second.objectForKey(u"css"_s).isValid());
}

struct TransformRow : NamedRow
{
    QVariant value;
    QVariant expected;
};

class NilToBlank : public testing::TestWithParam<TransformRow>
{};

TEST_P(NilToBlank, turnsOnlyAbsentIntoEmptyBothWays)
{
    PreferencesStore store({});
    registerDefaultSettings(store, kBuildTreeBundle);
    const auto transformer
        = ValueTransformer::valueTransformerForName(u"QEV_NilToBlankStringTransformer"_s);
    ASSERT_TRUE(transformer);
    EXPECT_TRUE(transformer->allowsReverseTransformation());
    EXPECT_EQ(transformer->transformedValue(GetParam().value), GetParam().expected);
    EXPECT_EQ(transformer->reverseTransformedValue(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, NilToBlank,
                         testing::Values(TransformRow{"absent", QVariant(), u""_s},
                                         TransformRow{"empty", u""_s, u""_s},
                                         TransformRow{"text", u"mailto:"_s, u"mailto:"_s},
                                         TransformRow{"blank", u" "_s, u" "_s}),
                         RowName());

} // namespace
