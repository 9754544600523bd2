// SPDX-License-Identifier: GPL-3.0-or-later
// Whole generated pages against their golden files: the demo address book, and a small
// book of hostile cards whose text must stay text. Renew them with scripts/renew-golden.
#include "firstrunpage.h"
#include "goldenfile.h"
#include "rowname.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

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
            m_english.load(buildTreeBundle().resourcesPath() + u"/translations/vorlin_en.qm"_s));
        QCoreApplication::installTranslator(&m_english);
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&m_english);
        QLocale::setDefault(m_locale);
    }

    [[nodiscard]] QString generatedPage(const QString &addressBook) const
    {
        return firstRunPage(addressBook, m_folder.path());
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
