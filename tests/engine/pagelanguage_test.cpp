// SPDX-License-Identifier: GPL-3.0-or-later
// The page's language: which codes name one, which the desktop picks, what it writes into the
// head, and that its texts and labels are its catalogue's, not the window's.
#include "engine/entrylabels.h"
#include "engine/pagehead.h"
#include "engine/pagelanguage.h"
#include "engine/pagelanguagechoice.h"
#include "util/systemlog.h"

#include "qtprinters.h"
#include "rowname.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

const Bundle kBuildTreeBundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS));
// The tests' own German table ("home" is "privat").
const Bundle kTranslatedBundle(QString::fromUtf8(VORLIN_TEST_TRANSLATED_CONTENTS));

const QStringList kShipped{u"ar"_s,    u"de"_s, u"en"_s, u"ja"_s,
                           u"pt-BR"_s, u"ru"_s, u"sv"_s, u"zh-CN"_s};

// The default locale for the test's length; QLocale() is the desktop's language.
class DesktopLocale
{
public:
    explicit DesktopLocale(const QString &name) { QLocale::setDefault(QLocale(name)); }
    ~DesktopLocale() { QLocale::setDefault(m_before); }
    DesktopLocale(const DesktopLocale &) = delete;
    DesktopLocale &operator=(const DesktopLocale &) = delete;

private:
    QLocale m_before;
};

struct KnownRow : NamedRow
{
    QString code;
    std::optional<QString> language;
};

class KnownLanguage : public testing::TestWithParam<KnownRow>
{};

TEST_P(KnownLanguage, isTheCodeOrTheLanguageItNarrows)
{
    EXPECT_EQ(PageLanguage::known(GetParam().code, kShipped), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KnownLanguage,
    testing::Values(KnownRow{"itself", u"de"_s, u"de"_s},
                    KnownRow{"withRegion", u"de-AT"_s, u"de"_s},
                    KnownRow{"withRegionAfterUnderscore", u"de_AT"_s, u"de"_s},
                    KnownRow{"inCapitals", u"DE"_s, u"de"_s},
                    KnownRow{"regionalCatalogue", u"pt_BR"_s, u"pt-BR"_s},
                    KnownRow{"otherRegionOfARegionalCatalogue", u"pt-PT"_s, std::nullopt},
                    KnownRow{"languageOfARegionalCatalogue", u"zh"_s, std::nullopt},
                    KnownRow{"englishOfAnyRegion", u"en-GB"_s, u"en"_s},
                    KnownRow{"withScriptAndRegion", u"sv-Latn-SE"_s, u"sv"_s},
                    KnownRow{"unknown", u"xx"_s, std::nullopt},
                    KnownRow{"posix", u"C"_s, std::nullopt},
                    KnownRow{"empty", u""_s, std::nullopt}),
    RowName());

// The window lists each language by its own name, for the language as a whole where the
// catalogue has no region.
TEST(PageLanguages, goByTheirOwnNames)
{
    EXPECT_EQ(PageLanguage::nativeName(u"es"_s), u"español"_s);
    EXPECT_EQ(PageLanguage::nativeName(u"de"_s), u"Deutsch"_s);
    EXPECT_EQ(PageLanguage::nativeName(u"pt-BR"_s), u"português (Brasil)"_s);
    EXPECT_EQ(PageLanguage::nativeName(u"zh-CN"_s), u"中文（中国）"_s);
    EXPECT_EQ(PageLanguage::nativeName(u"ar"_s), u"العربية"_s);
}

TEST(PageLanguages, areEnglishAndTheBundlesCatalogues)
{
    QTemporaryDir dir;
    const Bundle bundle(dir.path());
    EXPECT_EQ(PageLanguage::available(bundle), QStringList{u"en"_s});
    const QString folder = bundle.resourcesPath() + u"/translations"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString &name : {u"vorlin_sv.qm"_s, u"vorlin_pt_BR.qm"_s, u"vorlin_en.qm"_s,
                                u"other_de.qm"_s, u"vorlin_fr.ts"_s}) {
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(PageLanguage::available(bundle), (QStringList{u"en"_s, u"pt-BR"_s, u"sv"_s}));
}

struct ChoiceRow : NamedRow
{
    QString desktop; // QLocale name
    QString choice;
    QString language;
};

class ChosenLanguage : public testing::TestWithParam<ChoiceRow>
{};

TEST_P(ChosenLanguage, isTheStoredOneElseTheDesktops)
{
    const DesktopLocale desktop(GetParam().desktop);
    EXPECT_EQ(PageLanguageChoice::resolvedCode(GetParam().choice, kShipped), GetParam().language);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ChosenLanguage,
    testing::Values(ChoiceRow{"posixDesktop", u"C"_s, u""_s, u"en"_s},
                    ChoiceRow{"regionalDesktop", u"de_AT"_s, u""_s, u"de"_s},
                    ChoiceRow{"desktopOfARegionalCatalogue", u"zh_CN"_s, u""_s, u"zh-CN"_s},
                    ChoiceRow{"desktopWithoutCatalogue", u"pt_PT"_s, u""_s, u"en"_s},
                    ChoiceRow{"storedOverDesktop", u"en_US"_s, u"ru"_s, u"ru"_s},
                    ChoiceRow{"storedWithRegion", u"en_US"_s, u"sv_FI"_s, u"sv"_s},
                    ChoiceRow{"unknownStoredIsTheDesktops", u"ja_JP"_s, u"xx"_s, u"ja"_s}),
    RowName());

TEST(PageLanguageChoice, saysOnceThatAStoredLanguageIsUnknown)
{
    const DesktopLocale desktop(u"en_US"_s);
    QStringList log;
    const SystemLogCapture capture([&](const QString &line) { log.append(line); });
    PageLanguageChoice languages(kBuildTreeBundle);
    EXPECT_EQ(languages.languageFor(u"xx"_s).code(), u"en"_s);
    EXPECT_EQ(languages.languageFor(u"xx"_s).code(), u"en"_s);
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log.first().startsWith(u"pageLanguage \"xx\" is no language"_s));
    EXPECT_TRUE(log.first().contains(u"de, en"_s)) << log.first().toStdString();
    EXPECT_EQ(languages.languageFor(u"de"_s).code(), u"de"_s);
    EXPECT_EQ(log.size(), 1);
}

struct HeadRow : NamedRow
{
    QString code;
    QString startTag;
    bool mirrored;
};

class LanguageInTheHead : public testing::TestWithParam<HeadRow>
{};

TEST_P(LanguageInTheHead, namesItAndItsDirection)
{
    const PageLanguage language(GetParam().code, kBuildTreeBundle);
    EXPECT_EQ(htmlStartTag(language), GetParam().startTag);
    EXPECT_EQ(directionStyleElement(language).contains(u"[dir=rtl]"_s), GetParam().mirrored);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LanguageInTheHead,
    testing::Values(HeadRow{"englishAsEver", u"en"_s, u"<html>"_s, false},
                    HeadRow{"german", u"de"_s, u"<html lang=\"de\">"_s, false},
                    HeadRow{"regional", u"pt-BR"_s, u"<html lang=\"pt-BR\">"_s, false},
                    HeadRow{"arabic", u"ar"_s, u"<html lang=\"ar\" dir=\"rtl\">"_s, true}),
    RowName());

TEST(PageLanguage, speaksItsCatalogueNotTheWindows)
{
    // The application has no German table installed: the page's comes from the bundle.
    const PageLanguage german(u"de"_s, kTranslatedBundle);
    EXPECT_EQ(german.text("Birthday"), u"Geburtstag"_s);
    EXPECT_EQ(german.text("no such key"), u"no such key"_s);
    EXPECT_EQ(german.stripPrefixes(), (QStringList{u"Der "_s, u"Die "_s}));
    EXPECT_EQ(QCoreApplication::translate("ui", "Birthday"), u"Birthday"_s);
    // A language without a list of prefixes strips none, rather than its key.
    EXPECT_EQ(PageLanguage(u"sv"_s, kTranslatedBundle).stripPrefixes(), QStringList());
}

struct LocaleRow : NamedRow
{
    QString desktop;
    QString code;
    QString locale;
};

class LanguageLocale : public testing::TestWithParam<LocaleRow>
{};

TEST_P(LanguageLocale, keepsTheDesktopsRegionWhereItSpeaksTheLanguage)
{
    const DesktopLocale desktop(GetParam().desktop);
    EXPECT_EQ(PageLanguage(GetParam().code, kTranslatedBundle).locale().name(), GetParam().locale);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LanguageLocale,
    testing::Values(LocaleRow{"sameLanguage", u"de_AT"_s, u"de"_s, u"de_AT"_s},
                    LocaleRow{"otherLanguage", u"en_US"_s, u"de"_s, u"de_DE"_s},
                    LocaleRow{"posixIsEnglish", u"C"_s, u"en"_s, u"C"_s},
                    LocaleRow{"otherScript", u"zh_TW"_s, u"zh-CN"_s, u"zh_CN"_s},
                    LocaleRow{"englishElsewhere", u"sv_SE"_s, u"en"_s, u"en_US"_s}),
    RowName());

struct LabelRow : NamedRow
{
    QString code;
    QString stored;
    QString shown;
};

class ShownLabel : public testing::TestWithParam<LabelRow>
{};

TEST_P(ShownLabel, keepsItsOwnCapitalsAndFollowsTheLanguagesCase)
{
    const PageLanguage language(GetParam().code, kTranslatedBundle);
    EntryLabels labels(language);
    EXPECT_EQ(labels.shown(GetParam().stored), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShownLabel,
    testing::Values(LabelRow{"englishTitleCase", u"en"_s, u"home fax"_s, u"Home Fax"_s},
                    LabelRow{"englishSmallWords", u"en"_s, u"godfather of Leo"_s,
                             u"Godfather of Leo"_s},
                    LabelRow{"iPhoneStored", u"en"_s, u"iPhone"_s, u"iPhone"_s},
                    LabelRow{"iPhoneExported", u"en"_s, u"_$!<IPHONE>!$_"_s, u"iPhone"_s},
                    LabelRow{"ownCapitalsInAWord", u"en"_s, u"eBay orders"_s, u"eBay orders"_s},
                    LabelRow{"capitalsOfAWholeWord", u"en"_s, u"VIP line"_s, u"VIP Line"_s},
                    LabelRow{"germanSmallLetters", u"de"_s, u"home"_s, u"Privat"_s},
                    LabelRow{"germanNotTitleCased", u"de"_s, u"home fax"_s, u"Fax privat"_s},
                    LabelRow{"germanIPhone", u"de"_s, u"iPhone"_s, u"iPhone"_s},
                    LabelRow{"germanCustom", u"de"_s, u"after hours"_s, u"After hours"_s}),
    RowName());

} // namespace
