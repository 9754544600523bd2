// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/bundletranslations.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A bundle with the German and English test catalogues.
const Bundle kTranslatedBundle(QString::fromUtf8(VORLIN_TEST_TRANSLATED_CONTENTS));

QString catalogue(const QString &language)
{
    return kTranslatedBundle.resourcesPath() + u"/translations/vorlin_"_s + language + u".qm"_s;
}

struct LookupRow : NamedRow
{
    QStringList languages;
    QString table;
    QString key;
    std::optional<QString> text;
};

class TranslationLookup : public testing::TestWithParam<LookupRow>
{};

TEST_P(TranslationLookup, takesTheBestLanguageThenEnglish)
{
    const LookupRow &row = GetParam();
    const BundleTranslations translations
        = BundleTranslations::load(kTranslatedBundle, row.languages);
    EXPECT_EQ(translations.lookup(row.table, row.key), row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TranslationLookup,
    testing::Values(
        LookupRow{"german", {u"de-DE"_s}, u"ui_svc"_s, u"s005"_s, u"Beenden"_s},
        LookupRow{"germanLacksAnEntry", {u"de-DE"_s}, u"ui_svc"_s, u"s001"_s, u"This program"_s},
        LookupRow{"regionFallsBackToLanguage", {u"de-AT"_s}, u"ui_svc"_s, u"s005"_s, u"Beenden"_s},
        LookupRow{
            "firstLanguageThatExists", {u"fr-FR"_s, u"de"_s}, u"ui_svc"_s, u"s005"_s, u"Beenden"_s},
        LookupRow{"otherLanguageGetsEnglish", {u"fr"_s}, u"ui_svc"_s, u"s005"_s, u"Quit now"_s},
        LookupRow{"posixLocaleGetsEnglish", {u"C"_s}, u"ui_svc"_s, u"s005"_s, u"Quit now"_s},
        LookupRow{"otherTable", {u"de"_s}, u"InfoPlist"_s, u"CFBundleName"_s, u"Vörlin"_s},
        LookupRow{"keyOfAnotherTable", {u"de"_s}, u"ui"_s, u"s005"_s, std::nullopt},
        LookupRow{"noEntry", {u"de"_s}, u"ui_svc"_s, u"s009"_s, std::nullopt}),
    RowName());

TEST(BundleTranslations, loadsEachCatalogueOnce)
{
    EXPECT_EQ(BundleTranslations::load(kTranslatedBundle, {u"de-AT"_s}).files(),
              (QStringList{catalogue(u"de"_s), catalogue(u"en"_s)}));
    EXPECT_EQ(BundleTranslations::load(kTranslatedBundle, {u"en-GB"_s, u"de"_s}).files(),
              QStringList{catalogue(u"en"_s)});
}

// The window's language, and with it its direction, is that of the catalogue it speaks.
TEST(BundleTranslations, speakTheLanguageOfTheBestCatalogue)
{
    EXPECT_EQ(BundleTranslations::load(kTranslatedBundle, {u"de-AT"_s}).language(), u"de"_s);
    EXPECT_EQ(BundleTranslations::load(kTranslatedBundle, {u"fr"_s}).language(), u"en"_s);
    QTemporaryDir dir;
    EXPECT_EQ(BundleTranslations::load(Bundle(dir.path()), {u"de"_s}).language(), u"en"_s);
}

TEST(BundleTranslations, withoutCataloguesHaveNoEntries)
{
    QTemporaryDir dir;
    const BundleTranslations translations = BundleTranslations::load(Bundle(dir.path()), {u"de"_s});
    EXPECT_TRUE(translations.files().isEmpty());
    EXPECT_EQ(translations.lookup(u"ui_svc"_s, u"s005"_s), std::nullopt);
}

TEST(BundleTranslations, skipsAnUnreadableCatalogueAndSaysSo)
{
    QTemporaryDir dir;
    const Bundle bundle(dir.path());
    const QString folder = bundle.resourcesPath() + u"/translations"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(catalogue(u"en"_s), folder + u"/vorlin_en.qm"_s));
    QFile broken(folder + u"/vorlin_de.qm"_s);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a catalogue");
    broken.close();

    QStringList lines;
    const SystemLogCapture capture([&](const QString &line) { lines.append(line); });
    const BundleTranslations translations = BundleTranslations::load(bundle, {u"de"_s});

    EXPECT_EQ(translations.lookup(u"ui_svc"_s, u"s005"_s), u"Quit now"_s);
    EXPECT_EQ(lines, QStringList{u"cannot read the translation catalogue "_s + broken.fileName()});
}

TEST(BundleTranslations, installedAnswerQtsTranslate)
{
    const auto translate = [](const char *key) {
        return QCoreApplication::translate("ui_svc", key);
    };
    {
        BundleTranslations translations = BundleTranslations::load(kTranslatedBundle, {u"de"_s});
        translations.install();
        EXPECT_EQ(translate("s005"), u"Beenden"_s);
        EXPECT_EQ(translate("s001"), u"This program"_s);
        EXPECT_EQ(translate("s009"), u"s009"_s);
    }
    EXPECT_EQ(translate("s005"), u"s005"_s);
}

} // namespace
