// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export --pdf through the built program, read back with poppler's pdftotext and
// pdfinfo: the demo book printed once, then the paper sizes and the failures.
#include "cli/exportcommand.h"

#include "util/propertylist.h"

#include "exportprocess.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A book of one card, book.vcf in home.
void writeBook(const QTemporaryDir &home, const QByteArray &card)
{
    QFile book(home.filePath(QStringLiteral("book.vcf")));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    book.write(card);
}

QString toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60'000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext breaks lines where the column is narrow, even inside an address; a form feed
// (a new page) is the one white-space character that counts.
QString withoutSpace(QString text)
{
    static const QRegularExpression kSpace(u"[ \\t\\r\\n]+"_s);
    return text.remove(kSpace);
}

QString plainText(QString html)
{
    static const QRegularExpression kTag(u"<[^>]*>"_s);
    static const QRegularExpression kNumbered(u"&#([0-9]+);"_s);
    html.replace(kTag, u"\n"_s);
    for (QRegularExpressionMatch entity = kNumbered.match(html); entity.hasMatch();
         entity = kNumbered.match(html))
        html.replace(entity.capturedStart(), entity.capturedLength(),
                     QChar(entity.captured(1).toInt()));
    for (const auto &[entity, character] : {std::pair{u"&lt;"_s, u"<"_s},
                                            {u"&gt;"_s, u">"_s},
                                            {u"&quot;"_s, u"\""_s},
                                            {u"&nbsp;"_s, u" "_s},
                                            {u"&amp;"_s, u"&"_s}})
        html.replace(entity, character);
    return html;
}

// For the sanitizer build: the web engine (not ours) frees with a mismatched delete and
// leaks at exit; those reports are kept out, everything else is still checked.
QProcessEnvironment engineEnvironment(QProcessEnvironment environment = {})
{
    const QString asan = qEnvironmentVariable("ASAN_OPTIONS");
    environment.insert(u"ASAN_OPTIONS"_s,
                       asan + (asan.isEmpty() ? u""_s : u":"_s) + u"new_delete_type_mismatch=0"_s);
    environment.insert(u"LSAN_OPTIONS"_s,
                       u"suppressions="_s + QString::fromUtf8(VORLIN_ENGINE_LSAN_SUPPRESSIONS));
    return environment;
}

struct Card
{
    QString name;
    QString lastLine;
};

struct Section
{
    QString title;
    QList<Card> cards;
};

Card cardOf(const QString &markup)
{
    static const QRegularExpression kName(u"<div class=\"contactname\">(.*?)</div>"_s);
    QStringList lines = plainText(markup).split(u'\n');
    lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
    return {plainText(kName.match(markup).captured(1)).trimmed(), lines.last().trimmed()};
}

// The page's letters and, under each, every card's name and last line, in page order.
QList<Section> sectionsOf(const QString &page)
{
    static const QRegularExpression kPiece(
        u"<a class=\"toc_anchor\" name=\"[^\"]*\">([^<]*)</a>|<div class=\"card\""_s);
    QList<Section> sections;
    QRegularExpressionMatchIterator pieces = kPiece.globalMatch(page);
    while (pieces.hasNext()) {
        const QRegularExpressionMatch match = pieces.next();
        if (match.hasCaptured(1)) {
            sections.append({plainText(match.captured(1)), {}});
            continue;
        }
        const qsizetype end
            = pieces.hasNext() ? pieces.peekNext().capturedStart() : page.indexOf(u"</body>"_s);
        sections.last().cards.append(
            cardOf(page.mid(match.capturedStart(), end - match.capturedStart())));
    }
    return sections;
}

class DemoPdf : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_home = std::make_unique<QTemporaryDir>();
        s_outcome = runExport(s_home->path(),
                              {u"--address-book"_s, QString::fromUtf8(VORLIN_DEMO_CONTACTS),
                               u"--output"_s, u"site/page.html"_s, u"--pdf"_s, u"print/book.pdf"_s,
                               u"--paper"_s, u"a4"_s},
                              engineEnvironment());
        QFile page(s_home->filePath(u"site/page.html"_s));
        if (page.open(QIODevice::ReadOnly))
            s_sections = sectionsOf(QString::fromUtf8(page.readAll()));
        s_text = withoutSpace(
            toolOutput(u"pdftotext"_s, {u"-raw"_s, s_home->filePath(u"print/book.pdf"_s), u"-"_s}));
    }
    static void TearDownTestSuite() { s_home.reset(); }

    static inline std::unique_ptr<QTemporaryDir> s_home;
    static inline Outcome s_outcome;
    static inline QList<Section> s_sections;
    static inline QString s_text; // in page order, without white space; pages end in \f
};

TEST_F(DemoPdf, isWrittenBesideThePageAndNamed)
{
    ASSERT_EQ(s_outcome.status, 0) << s_outcome.err.toStdString();
    EXPECT_EQ(s_outcome.out,
              s_home->filePath(u"site/page.html"_s) + u'\n' + s_home->filePath(u"print/book.pdf"_s)
                  + u'\n');
    EXPECT_EQ(QDir(s_home->filePath(u"print"_s)).entryList(QDir::Files),
              QStringList{u"book.pdf"_s});
}

TEST_F(DemoPdf, holdsEveryContactsName)
{
    qsizetype cards = 0;
    for (const Section &section : std::as_const(s_sections)) {
        for (const Card &card : section.cards) {
            EXPECT_TRUE(s_text.contains(withoutSpace(card.name))) << card.name.toStdString();
            ++cards;
        }
    }
    EXPECT_EQ(cards, 40);
}

// Walks the text in page order: each letter must be followed by its first card's name with
// no page between them, and each card's last line must be on its name's page.
TEST_F(DemoPdf, splitsNoCardAndStrandsNoLetter)
{
    ASSERT_FALSE(s_sections.isEmpty());
    qsizetype at = 0;
    for (const Section &section : std::as_const(s_sections)) {
        const qsizetype letter
            = s_text.indexOf(withoutSpace(section.title + section.cards.first().name), at);
        EXPECT_NE(letter, -1) << "letter " << section.title.toStdString()
                              << " is not on the page of its first card";
        at = std::max(at, letter);
        for (const Card &card : section.cards) {
            const qsizetype name = s_text.indexOf(withoutSpace(card.name), at);
            const qsizetype last = s_text.indexOf(withoutSpace(card.lastLine), name);
            ASSERT_TRUE(name != -1 && last != -1) << card.name.toStdString();
            EXPECT_FALSE(s_text.mid(name, last - name).contains(u'\f'))
                << card.name.toStdString() << " is split across two pages";
            at = last;
        }
    }
}

struct PaperRow
{
    std::string name;
    QStringList arguments;
    QString localeForPaper; // LC_PAPER, with LC_ALL unset and LANG=C.UTF-8
    QString sizeName;       // as pdfinfo names it
};

class PdfPaper : public testing::TestWithParam<PaperRow>
{};

TEST_P(PdfPaper, isTheOneAskedForOrTheLocales)
{
    const QTemporaryDir home;
    ASSERT_NO_FATAL_FAILURE(
        writeBook(home, "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann;;;\r\nEND:VCARD\r\n"));
    QProcessEnvironment environment;
    environment.insert(u"LC_ALL"_s, QString());
    environment.insert(u"LANG"_s, u"C.UTF-8"_s);
    environment.insert(u"LC_PAPER"_s, GetParam().localeForPaper);
    const Outcome result = runExport(home.path(),
                                     QStringList{u"--address-book"_s, u"book.vcf"_s, u"--output"_s,
                                                 u"a.html"_s, u"--pdf"_s, u"a.pdf"_s}
                                         + GetParam().arguments,
                                     engineEnvironment(environment));
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString info = toolOutput(u"pdfinfo"_s, {home.filePath(u"a.pdf"_s)});
    EXPECT_TRUE(info.contains(u"pts ("_s + GetParam().sizeName + u')')) << info.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PdfPaper,
    testing::Values(PaperRow{"a4Asked", {u"--paper"_s, u"a4"_s}, u"en_US"_s, u"A4"_s},
                    PaperRow{"letterAsked", {u"--paper"_s, u"LETTER"_s}, u"de_DE"_s, u"letter"_s},
                    PaperRow{"canadianLocale", {}, u"en_CA.UTF-8"_s, u"letter"_s},
                    PaperRow{"germanLocale", {}, u"de_DE.UTF-8"_s, u"A4"_s}),
    RowName());

struct RefusalRow
{
    std::string name;
    QString pdf; // relative to the home, which holds only book.vcf
    int contacts;
    QString reason;
    qsizetype noteBytes = 0; // of the first contact's note
};

class PdfRefused : public testing::TestWithParam<RefusalRow>
{};

// Refused before anything is written: no page, no PDF, no temporary file.
TEST_P(PdfRefused, beforeWritingAnything)
{
    const QTemporaryDir home;
    QFile book(home.filePath(u"book.vcf"_s));
    ASSERT_TRUE(book.open(QIODevice::WriteOnly));
    for (int i = 0; i < GetParam().contacts; ++i)
        book.write("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Lee;Ann" + QByteArray::number(i) + ";;;\r\n"
                   + (i == 0 ? QByteArray("NOTE:" + QByteArray(GetParam().noteBytes, 'n') + "\r\n")
                             : QByteArray())
                   + "END:VCARD\r\n");
    book.close();
    const Outcome result = runExport(home.path(),
                                     {u"--address-book"_s, u"book.vcf"_s, u"--output"_s,
                                      u"a.html"_s, u"--pdf"_s, GetParam().pdf});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.err.contains(GetParam().reason)) << result.err.toStdString();
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{u".config"_s, u"book.vcf"_s}));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PdfRefused,
    testing::Values(
        RefusalRow{"folderIsAFile", u"book.vcf/a.pdf"_s, 1, u"book.vcf/a.pdf: "_s},
        RefusalRow{"folderTakesNoFiles", u"/proc/vorlin.pdf"_s, 1, u"/proc/vorlin.pdf: "_s},
        RefusalRow{
            "tooManyContacts", u"a.pdf"_s, static_cast<int>(ExportCommand::kMaxPrintedContacts) + 1,
            u"%1 contacts are too many to print"_s.arg(ExportCommand::kMaxPrintedContacts + 1)},
        // One contact's text alone, refused before the engine starts and named as the cause.
        RefusalRow{"hugeNote", u"a.pdf"_s, 2, u"The most is on the card of \"Ann0 Lee\""_s,
                   3'000'000}),
    RowName());

struct PrintedRow
{
    std::string name;
    QString output;     // relative to the home
    bool outputIsAPipe; // read while the page is written
    QString css;        // stored; %1 is the home
};

class PdfFromTheGeneratedPage : public testing::TestWithParam<PrintedRow>
{};

// The PDF is printed from the page as generated, not read back from --output, and a load
// that would wait for ever is fenced off: each run returns, with the book in its PDF.
TEST_P(PdfFromTheGeneratedPage, returnsWithTheBook)
{
    const QTemporaryDir home;
    ASSERT_NO_FATAL_FAILURE(
        writeBook(home, "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Quenby;Ottoline;;;\r\nEND:VCARD\r\n"));
    const QByteArray pipe = home.filePath(u"pipe"_s).toLocal8Bit();
    ASSERT_EQ(::mkfifo(pipe.constData(), 0600), 0);
    const QString output
        = GetParam().output.startsWith(u'/') ? GetParam().output : home.filePath(GetParam().output);
    QProcess reader;
    if (GetParam().outputIsAPipe) {
        reader.setStandardOutputFile(QProcess::nullDevice());
        reader.start(u"cat"_s, {output});
    }
    QDir().mkpath(home.filePath(u".config/vorlin/Library/Preferences"_s));
    QFile preferences(
        home.filePath(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s));
    ASSERT_TRUE(preferences.open(QIODevice::WriteOnly));
    preferences.write(*toXmlPropertyList(QVariantMap{{u"css"_s, GetParam().css.arg(home.path())}}));
    preferences.close();

    // runExport gives up waiting after two minutes: a hang fails with status -1.
    const Outcome result = runExport(home.path(),
                                     {u"--quiet"_s, u"--address-book"_s, u"book.vcf"_s,
                                      u"--output"_s, output, u"--pdf"_s, u"a.pdf"_s},
                                     engineEnvironment());
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, output + u'\n' + home.filePath(u"a.pdf"_s) + u'\n');
    EXPECT_TRUE(
        toolOutput(u"pdftotext"_s, {home.filePath(u"a.pdf"_s), u"-"_s}).contains(u"Ottoline"_s));
    reader.waitForFinished(10'000);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PdfFromTheGeneratedPage,
    testing::Values(PrintedRow{"outputIsAPipe", u"pipe"_s, true, u"/* %1 */"_s},
                    PrintedRow{"outputIsADevice", u"/dev/null"_s, false, u"/* %1 */"_s},
                    PrintedRow{"styleSheetImportsAPipe", u"a.html"_s, false,
                               u"@import url(file://%1/pipe);"_s}),
    RowName());

} // namespace
