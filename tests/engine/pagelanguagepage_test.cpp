// SPDX-License-Identifier: GPL-3.0-or-later
// Whole pages in another language than the window's, with the bundle's own catalogues: the
// labels, dates and title of that language, its lang and dir, and an index of its alphabet
// whose links reach their anchors.
#include "firstrunpage.h"
#include "pagepromises.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Cards of the given last names, one contact each.
QByteArray bookOf(const QStringList &lastNames)
{
    QByteArray book;
    for (const QString &name : lastNames)
        book += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + name.toUtf8()
            + ";Jo;;;\r\nBDAY:1990-12-07\r\nTEL;TYPE=HOME:1\r\nEND:VCARD\r\n";
    return book;
}

QStringList matches(const QString &page, const QString &pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(page))
        found.append(match.captured(1));
    return found;
}

// A first run on an English desktop, with the page's language and index stored.
class LanguagePage : public testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(m_locale); }

    [[nodiscard]] QString page(const QString &addressBook, const QString &language,
                               const QString &letterIndex = u"latin"_s)
    {
        return firstRunPage(addressBook, m_folder.path(), [&](PreferencesStore &store) {
            store.setObject(language, SettingsKeys::pageLanguage);
            store.setObject(letterIndex, SettingsKeys::letterIndex);
        });
    }
    [[nodiscard]] QString book(const QStringList &lastNames)
    {
        QFile file(m_folder.filePath(u"book.vcf"_s));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bookOf(lastNames));
        return file.fileName();
    }

    QTemporaryDir m_folder;

private:
    QLocale m_locale;
};

TEST_F(LanguagePage, inGermanHasNoEnglishLabelDateOrTitle)
{
    const QString german
        = page(QString::fromUtf8(VORLIN_SOURCE_DIR) + u"/examples/demo-contacts.vcf"_s, u"de"_s);
    EXPECT_TRUE(german.contains(u"\n<html lang=\"de\">\n<head>\n\t<title>Adressbuch</title>\n"_s))
        << german.left(400).toStdString();
    const QStringList labels = matches(german, u"class=\"label\">([^<]*)<"_s);
    EXPECT_FALSE(labels.isEmpty());
    for (const QString &english : {u"Home"_s, u"Work"_s, u"Mobile"_s, u"Main"_s, u"Work Fax"_s,
                                   u"Home Page"_s, u"Anniversary"_s, u"Assistant"_s, u"Spouse"_s,
                                   u"Child"_s, u"Sister"_s, u"Manager"_s, u"Birthday"_s, u"Note"_s})
        EXPECT_FALSE(labels.contains(english)) << english.toStdString();
    // The notes speak of months in English; the dates must not.
    const QString dates
        = matches(german, u"<div class=\"date\">.*<span class=\"value\">([^<]*)<"_s).join(u'|');
    for (const QString &month : {u"January"_s, u"March"_s, u"May"_s, u"June"_s, u"July"_s,
                                 u"October"_s, u"December"_s, u"Monday"_s, u"Sunday"_s})
        EXPECT_FALSE(dates.contains(month)) << month.toStdString();
    EXPECT_TRUE(dates.contains(u"März"_s)) << dates.toStdString();
}

TEST_F(LanguagePage, inArabicRunsRightToLeftAndKeepsTheStyleSheet)
{
    const QString arabic = page(book({u"محمد"_s, u"Adler"_s}), u"ar"_s);
    EXPECT_TRUE(arabic.contains(u"\n<html lang=\"ar\" dir=\"rtl\">\n"_s));
    const qsizetype mirrored = arabic.indexOf(u"[dir=rtl] .label"_s);
    const qsizetype users = arabic.indexOf(u"title=\"text/css\" media=\"all\">\n"_s
                                           + bundledStyleSheet() + u"\n\t</style>\n"_s);
    EXPECT_GE(mirrored, 0);
    EXPECT_GT(users, mirrored); // the user's rules of the same weight come later and win
    EXPECT_FALSE(brokenPagePromise(arabic));
}

struct IndexRow : NamedRow
{
    QString language;
    QStringList lastNames;
    QStringList letters; // the index, in order
};

class AlphabetIndexPage : public LanguagePage, public testing::WithParamInterface<IndexRow>
{};

TEST_P(AlphabetIndexPage, linksEveryLetterToItsAnchor)
{
    const QString written = page(book(GetParam().lastNames), GetParam().language, u"locale"_s);
    const QStringList anchors = matches(written, u"class=\"toc_anchor\" name=\"toc_([^\"]*)\""_s);
    QStringList links;
    for (const QString &href : matches(written, u"class=\"toc_link\" href=\"#toc_([^\"]*)\""_s)) {
        EXPECT_TRUE(
            std::all_of(href.cbegin(), href.cend(), [](QChar c) { return c.unicode() < 128; }))
            << "a link holds ASCII alone: " << href.toStdString();
        links.append(QUrl::fromPercentEncoding(href.toLatin1()));
    }
    EXPECT_EQ(anchors, GetParam().letters);
    EXPECT_EQ(links, GetParam().letters);
    EXPECT_FALSE(brokenPagePromise(written));
}

INSTANTIATE_TEST_SUITE_P(Books, AlphabetIndexPage,
                         testing::Values(IndexRow{"russian",
                                                  u"ru"_s,
                                                  {u"Борисов"_s, u"Smith"_s, u"Андреев"_s,
                                                   u"7even"_s},
                                                  {u"А"_s, u"Б"_s, u"S"_s, u"0-9"_s}},
                                         IndexRow{"swedish",
                                                  u"sv"_s,
                                                  {u"Öberg"_s, u"Zander"_s, u"Åberg"_s, u"Adler"_s},
                                                  {u"A"_s, u"Z"_s, u"Å"_s, u"Ö"_s}},
                                         IndexRow{"japanese",
                                                  u"ja"_s,
                                                  {u"たなか"_s, u"さとう"_s, u"山田"_s},
                                                  {u"さ"_s, u"た"_s, u"*"_s}}),
                         RowName());

} // namespace
