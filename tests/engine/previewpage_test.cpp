// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/previewpage.h"

#include "addressbook/memorycontactstore.h"
#include "enginetestsupport.h"
#include "settings/exportsettings.h"

#include "qtprinters.h"
#include "rowname.h"

using namespace Qt::StringLiterals;

namespace {

class Preview : public testing::Test
{
protected:
    void SetUp() override
    {
        QFile sample(testBundle.resources() + u"/sample.vcf"_s);
        ASSERT_TRUE(sample.open(QIODevice::WriteOnly));
        sample.write("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:vorlin-sample\r\nN:Sample;Jo;;;\r\n"
                     "FN:Jo Sample\r\nNOTE:the resource's own note\r\nEND:VCARD\r\n");
        settings.dataOrder = QList<int>{7};
    }

    [[nodiscard]] QString render(const QString &css = u"css"_s) const
    {
        return preview.render(CardContext{settings, dates, addressBook}, css);
    }

    TestBundle testBundle;
    ExportSettings settings;
    NoDateFormats dates;
    MemoryContactStore addressBook;
    PreviewPage preview{(SetUp(), testBundle.bundle())};
};

TEST(PreviewTemplate, hasTwentyLinesAndItsPlaceholders)
{
    const QStringList lines = PreviewPage::baseHTML().split(u'\n');
    ASSERT_EQ(lines.size(), 20);
    EXPECT_EQ(lines.at(7), u"<<css>>"_s);
    EXPECT_EQ(lines.at(13), u"\t\t\t<a class=\"toc_link\" href=\"#toc_<<l>>\"><<l>></a> "_s);
    EXPECT_EQ(lines.at(18), u"\t<<card>></body>"_s);
}

TEST_F(Preview, letterFollowsTheSortOrder)
{
    EXPECT_TRUE(render().contains(u"name=\"toc_S\">S</a>"_s));
    settings.sortByLast = false;
    EXPECT_TRUE(render().contains(u"href=\"#toc_J\">J</a>"_s));
}

class PreviewStyleSheet : public Preview, public testing::WithParamInterface<StyleSheetRow>
{};

TEST_P(PreviewStyleSheet, staysWithinItsElementAsWritten)
{
    EXPECT_TRUE(holdsStyleElementOf(render(GetParam().css), GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Rows, PreviewStyleSheet, testing::ValuesIn(kStyleSheetRows), RowName());

TEST_F(Preview, showsTheSampleNoteNotTheResourcesOwn)
{
    const QString page = render();
    EXPECT_TRUE(page.contains(u"<span class=\"value\">sampleNote</span>"_s)) << page.toStdString();
    EXPECT_FALSE(page.contains(u"own note"_s));
}

struct PreviewLanguageRow : NamedRow
{
    QString pageLanguage;
    QStringList shows;
};

class PreviewLanguage : public Preview, public testing::WithParamInterface<PreviewLanguageRow>
{};

// The window speaks English here; the preview speaks the page's language, catalogue and all.
TEST_P(PreviewLanguage, isThePagesNotTheWindows)
{
    const QString folder = testBundle.resources() + u"/translations"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(VORLIN_TEST_TRANSLATED_CONTENTS)
                                + u"/Resources/translations/vorlin_de.qm"_s,
                            folder + u"/vorlin_de.qm"_s));
    settings.pageLanguage = GetParam().pageLanguage;
    const QLocale desktop;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString page = render();
    QLocale::setDefault(desktop);
    for (const QString &text : GetParam().shows)
        EXPECT_TRUE(page.contains(text)) << text.toStdString() << "\n" << page.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PreviewLanguage,
    testing::Values(PreviewLanguageRow{"desktops",
                                       u""_s,
                                       {u"<html>\n"_s, u"<title>Address Book</title>"_s,
                                        u"<span class=\"label\">Note</span>"_s}},
                    PreviewLanguageRow{"german",
                                       u"de"_s,
                                       {u"<html lang=\"de\">\n"_s, u"<title>Adressbuch</title>"_s,
                                        u"<span class=\"label\">Notiz</span>"_s,
                                        u"<span class=\"value\">Notiz des Beispiels</span>"_s}}),
    RowName());

TEST_F(Preview, resolvesReferencesInTheResourceFolder)
{
    EXPECT_EQ(preview.baseUrl(), QUrl::fromLocalFile(testBundle.resources() + u'/'));
    EXPECT_TRUE(render().contains(u"src=\"images/genericPerson.png\""_s));
    EXPECT_FALSE(QDir(testBundle.resources() + u"/images"_s).exists(u"vorlin-sample.png"_s));
}

} // namespace
