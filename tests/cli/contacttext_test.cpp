// SPDX-License-Identifier: GPL-3.0-or-later
// Contact text through the built vorlin-export: links, control characters and dates as the
// page and the terminal receive them.
#include "util/propertylist.h"

#include "exportprocess.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray eve = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:eve\r\nN:Vance;Eve;;;\r\n"
                       "URL;TYPE=HOME:https://example.org/eve\r\n"
                       "URL;TYPE=WORK:javascript:alert(1)\r\n"
                       "URL;TYPE=OTHER: JaVaScRiPt:alert(2)\r\n"
                       "NOTE:bell\x07 escape\x1B[2J end\r\n"
                       "BDAY:1985-03-05\r\n"
                       "X-ANNIVERSARY:\x1B]0;title\x07\r\n"
                       "END:VCARD\r\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

struct PageRun
{
    Outcome outcome;
    QString page;
};

// Exports eve's card, with webURIScheme stored when one is given.
PageRun exportEve(const QTemporaryDir &home, const std::optional<QString> &webScheme = {},
                  const QProcessEnvironment &environment = {})
{
    writeFile(home.filePath(u"book.vcf"_s), eve);
    if (webScheme) {
        writeFile(home.filePath(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s),
                  *toXmlPropertyList(QVariantMap{{u"webURIScheme"_s, *webScheme}}));
    }
    PageRun run{runExport(home.path(),
                          {u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s},
                          environment),
                {}};
    QFile page(home.filePath(u"a.html"_s));
    if (page.open(QIODevice::ReadOnly))
        run.page = QString::fromUtf8(page.readAll());
    return run;
}

struct SchemeRow : NamedRow
{
    std::optional<QString> webScheme;
    QStringList linked;
};

class WebLinks : public testing::TestWithParam<SchemeRow>
{};

TEST_P(WebLinks, keepTheirOwnSchemeAndNeverRunAScript)
{
    const QTemporaryDir home;
    const PageRun run = exportEve(home, GetParam().webScheme);
    ASSERT_EQ(run.outcome.status, 0) << run.outcome.err.toStdString();
    for (const QString &target : GetParam().linked)
        EXPECT_TRUE(run.page.contains(u"<a href=\""_s + target + u'"')) << target.toStdString();
    EXPECT_EQ(run.page.count(u"<a href=\"http"_s), GetParam().linked.size());
    EXPECT_FALSE(run.page.contains(u"href=\"javascript"_s, Qt::CaseInsensitive));
    EXPECT_FALSE(run.page.contains(u"href=\" javascript"_s, Qt::CaseInsensitive));
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, WebLinks,
    testing::Values(
        SchemeRow{"defaultScheme",
                  std::nullopt,
                  {u"https://example.org/eve"_s, u"http://javascript:alert(1)"_s,
                   u"http://JaVaScRiPt:alert(2)"_s}},
        SchemeRow{"placeholderScheme", u"%@"_s, {u"https://example.org/eve"_s}},
        SchemeRow{"schemeTheValueBeginsWith", u"javascript:"_s, {u"https://example.org/eve"_s}}),
    RowName());

TEST(ControlCharacters, leaveThePageAndShowEscapedOnTheTerminal)
{
    const QTemporaryDir home;
    const PageRun run = exportEve(home);
    ASSERT_EQ(run.outcome.status, 0) << run.outcome.err.toStdString();
    EXPECT_TRUE(run.page.contains(u"bell escape[2J end"_s));
    EXPECT_FALSE(run.page.contains(u'\x1B') || run.page.contains(u'\x07'));
    EXPECT_TRUE(run.outcome.err.contains(u"\"\\x1B]0;title\\x07\" is not a date"_s))
        << run.outcome.err.toStdString();
    EXPECT_FALSE(run.outcome.err.contains(u'\x1B') || run.outcome.err.contains(u'\x07'));
}

// Japanese writes its month with one letter ("M月"); padded, March read "03月".
TEST(Dates, followTheLocalesOwnPadding)
{
    const QTemporaryDir home;
    QProcessEnvironment japanese;
    japanese.insert(u"LC_ALL"_s, u"ja_JP.UTF-8"_s);
    const PageRun run = exportEve(home, {}, japanese);
    ASSERT_EQ(run.outcome.status, 0) << run.outcome.err.toStdString();
    EXPECT_TRUE(run.page.contains(u"1985年3月5日"_s)) << run.page.toStdString();
}

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

// The sample contact's own web page is linked as it is written, and nothing is written.
TEST(Preview, writesNoFileAtAll)
{
    const QTemporaryDir home;
    writeFile(home.filePath(u"book.vcf"_s), eve);
    const QStringList before = filesBelow(home.path());
    const Outcome result = runExport(home.path(), {u"--preview-html"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"<a href=\"https://juliettesommer.example\">"_s))
        << result.out.toStdString();
    EXPECT_EQ(filesBelow(home.path()), before);
}

} // namespace
