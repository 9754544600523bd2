// SPDX-License-Identifier: GPL-3.0-or-later
// Whole generated pages against their golden files: the demo address book, and a small
// book of hostile cards whose text must stay text. Renew them with scripts/renew-golden.
#include "engine/pagegenerator.h"

#include "addressbook/groupselection.h"
#include "addressbook/vcard/vcardstore.h"
#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "util/systemlog.h"

#include "goldenfile.h"
#include "rowname.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

const Bundle kBuildTreeBundle(QString::fromUtf8(VORLIN_TEST_BUNDLE_CONTENTS));

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

struct GoldenRow : NamedRow
{
    QString addressBook; // below the source tree
    QString golden;      // below tests/engine/data
};

// The page as a first run of vorlin-export writes it: registered defaults with the bundled
// style sheet, the English "ui" table, every group ticked, dates and sorting in US English.
class GoldenPage : public testing::TestWithParam<GoldenRow>
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(
            m_english.load(kBuildTreeBundle.resourcesPath() + u"/translations/vorlin_en.qm"_s));
        QCoreApplication::installTranslator(&m_english);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_english);
        QLocale::setDefault(m_locale);
    }

    [[nodiscard]] QString generatedPage(const QString &addressBook) const
    {
        PreferencesStore store({m_folder.filePath(u"prefs/user.plist"_s), {}});
        store.registerDefaults(
            defaultSettings(fileText(kBuildTreeBundle.resourcesPath() + u"/default.css"_s)));
        const ContactStoreRead read = readVCardStore(addressBook);
        store.setObject(
            groupChoicesToVariant(refreshedGroupChoices(allGroupNames(*read.store), std::nullopt)),
            SettingsKeys::groupsToUse);
        ExportSettings settings;
        PageGenerator generator(store, settings, *read.store, kBuildTreeBundle);
        const SystemLogCapture quiet([](const QString &) {});
        const QString page = m_folder.filePath(u"page.html"_s);
        const Expected<GenerationReport> generated = generator.generateHTML(page);
        return generated ? fileText(page) : generated.error();
    }

private:
    QLocale m_locale;
    QTranslator m_english;
    QTemporaryDir m_folder;
};

TEST_P(GoldenPage, isLineForLineItsGoldenFile)
{
    const QString source = QString::fromUtf8(VORLIN_SOURCE_DIR);
    EXPECT_TRUE(matchesGoldenFile(generatedPage(source + u'/' + GetParam().addressBook),
                                  source + u"/tests/engine/data/"_s + GetParam().golden));
}

INSTANTIATE_TEST_SUITE_P(Books, GoldenPage,
                         testing::Values(GoldenRow{"demo", u"examples/demo-contacts.vcf"_s,
                                                   u"demo.html.ref"_s},
                                         GoldenRow{"hostile", u"tests/engine/data/hostile.vcf"_s,
                                                   u"hostile.html.ref"_s}),
                         RowName());

} // namespace
