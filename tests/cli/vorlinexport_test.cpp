// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built vorlin-export in a home of its own, as a user would.
#include "util/propertylist.h"

#include "exporthome.h"
#include "qtprinters.h"
#include "rowname.h"

#include <QStringEncoder>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kTwoCards
    = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:ann\r\nN:Lee;Ann;;;\r\n"
      "CATEGORIES:Friends\r\nEND:VCARD\r\n"
      "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:bo\r\nN:Berg;Bo;;;\r\nEND:VCARD\r\n";

class VorlinExport : public ExportHome
{};

// The desktop's language, whatever the test's own.
QProcessEnvironment englishDesktop()
{
    QProcessEnvironment environment;
    environment.insert(u"LC_ALL"_s, u"en_US.UTF-8"_s);
    environment.insert(u"LANGUAGE"_s, u"en_US"_s);
    return environment;
}
const QProcessEnvironment kDesktopInEnglish = englishDesktop();

TEST_F(VorlinExport, firstRunExportsEveryGroup)
{
    write(u"book.vcf"_s, kTwoCards);
    const Outcome result
        = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"out/a.html"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, home.filePath(u"out/a.html"_s) + u'\n');
    const QString page = read(u"out/a.html"_s);
    EXPECT_TRUE(page.contains(u"addressbook:ann:ABPerson"_s));
    EXPECT_TRUE(page.contains(u"addressbook:bo:ABPerson"_s));
    const QString prefs = read(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s);
    EXPECT_TRUE(prefs.contains(u"<string>Friends</string>"_s));
    EXPECT_TRUE(prefs.contains(u"<string>a.html</string>"_s));
}

TEST_F(VorlinExport, storedChoicesAreKept)
{
    write(u"book.vcf"_s, kTwoCards);
    write(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s,
          *toXmlPropertyList(QVariantMap{
              {u"groupsToUse"_s,
               QVariantList{QVariantMap{{u"include"_s, false}, {u"name"_s, u"Friends"_s}}}}}));
    ASSERT_EQ(run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s}).status, 0);
    EXPECT_FALSE(read(u"a.html"_s).contains(u"addressbook:ann:ABPerson"_s));
    EXPECT_TRUE(read(u"a.html"_s).contains(u"addressbook:bo:ABPerson"_s));
}

TEST_F(VorlinExport, findsTheAddressBookInThePreferencesOrTheDataFolder)
{
    write(u".local/share/contacts/one.vcf"_s, kTwoCards);
    ASSERT_EQ(run({u"--output"_s, u"a.html"_s}).status, 0);
    write(u"elsewhere.vcf"_s, kTwoCards);
    write(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s,
          *toXmlPropertyList(QVariantMap{{u"addressBookPath"_s, u"~/elsewhere.vcf"_s},
                                         {u"NSNavLastCurrentDirectory"_s, u"~/pages"_s}}));
    const Outcome result = run({});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, home.filePath(u"pages/vorlin.html"_s) + u'\n');
}

TEST_F(VorlinExport, badCardsAreWarnedAboutAndTheRestExported)
{
    write(u"book.vcf"_s, kTwoCards + "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Cut;Off\r\n");
    const Outcome result = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.contains(u"vorlin-export: warning: "_s)) << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"addressbook:bo:ABPerson"_s));
}

TEST_F(VorlinExport, aDamagedPhoneFormatFileIsReportedOnce)
{
    write(u"book.vcf"_s, kTwoCards);
    write(u".config/vorlin/Library/Preferences/com.apple.addressbook.plist"_s, "garbage");
    const Outcome result = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.err.count(u"Phone formats not used"_s), 1) << result.err.toStdString();
}

TEST_F(VorlinExport, unwritablePageFailsWithOneLine)
{
    write(u"book.vcf"_s, kTwoCards);
    QDir().mkpath(home.filePath(u"taken.html"_s));
    const Outcome result
        = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"taken.html"_s});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(
        result.err.contains(u"vorlin-export: "_s + home.filePath(u"taken.html"_s) + u": "_s))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u"Generated Vorlin"_s));
    EXPECT_FALSE(entries().contains(u"images"_s)); // nothing beside the folder
    EXPECT_TRUE(entries(u"taken.html"_s).isEmpty());
}

struct StatusRow : NamedRow
{
    QStringList arguments;
    int status;
    QString errorText;
};

class ExitStatus : public VorlinExport, public testing::WithParamInterface<StatusRow>
{};

TEST_P(ExitStatus, saysWhatIsWrong)
{
    const Outcome result = run(GetParam().arguments);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_TRUE(result.err.contains(GetParam().errorText)) << result.err.toStdString();
    EXPECT_EQ(entries(), QStringList()); // nothing stored, nothing written
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ExitStatus,
    testing::Values(
        StatusRow{"noAddressBook", {}, 2, u"--address-book PATH"_s},
        StatusRow{"missingAddressBook",
                  {u"--address-book"_s, u"nope.vcf"_s},
                  2,
                  u"nope.vcf: no such file or folder"_s},
        StatusRow{"addressBookIsADevice",
                  {u"--address-book"_s, u"/dev/zero"_s},
                  2,
                  u"vorlin-export: /dev/zero: not a regular file but a device; not read"_s},
        StatusRow{"unknownOption", {u"--colour"_s}, 2, u"colour"_s},
        StatusRow{"strayArgument", {u"extra"_s}, 2, u"extra"_s},
        StatusRow{"paperWithoutPdf", {u"--paper"_s, u"a4"_s}, 2, u"--paper goes"_s},
        StatusRow{"unknownPaper",
                  {u"--pdf"_s, u"a.pdf"_s, u"--paper"_s, u"a5"_s},
                  2,
                  u"a4 or letter, not \"a5\""_s},
        StatusRow{"unknownLanguage",
                  {u"--language"_s, u"xx"_s},
                  2,
                  u"--language is one of ar, de, en, "_s},
        StatusRow{"unknownLanguageNamed", {u"--language"_s, u"xx-DE"_s}, 2, u"not \"xx-DE\""_s},
        StatusRow{"unknownLetterIndex",
                  {u"--letter-index"_s, u"cyrillic"_s},
                  2,
                  u"--letter-index is latin or locale, not \"cyrillic\""_s},
        StatusRow{"pdfWithoutFileName", {u"--pdf"_s, u"out/"_s}, 2, u"--pdf needs a file name"_s},
        StatusRow{"emptyOutput", {u"--output"_s, u""_s}, 2, u"--output needs a file name"_s},
        StatusRow{"emptyOutputAfterEquals", {u"--output="_s}, 2, u"--output needs a file name"_s},
        StatusRow{"outputFolder", {u"--output"_s, u"out/"_s}, 2, u"not \"out/\""_s},
        StatusRow{"outputDotDot", {u"--output"_s, u"out/.."_s}, 2, u"not \"out/..\""_s},
        StatusRow{"pdfOfThePreview",
                  {u"--pdf"_s, u"a.pdf"_s, u"--preview-html"_s},
                  2,
                  u"one of the two"_s}),
    RowName());

const QByteArray kRussianCards
    = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Борисов;Иван;;;\r\nBDAY:1980-03-04\r\nEND:VCARD\r\n"
      "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Андреев;Пётр;;;\r\nEND:VCARD\r\n";

struct LanguageRow : NamedRow
{
    QStringList options;
    QStringList pageHolds;
};

class LanguageOption : public VorlinExport, public testing::WithParamInterface<LanguageRow>
{};

// The options choose for the run alone: the stored settings never learn them.
TEST_P(LanguageOption, choosesThePagesLanguageForTheRun)
{
    write(u"book.vcf"_s, kRussianCards);
    const Outcome result = runExport(
        home.path(),
        QStringList{u"--quiet"_s, u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s}
            + GetParam().options,
        kDesktopInEnglish);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QString page = read(u"a.html"_s);
    for (const QString &text : GetParam().pageHolds)
        EXPECT_TRUE(page.contains(text)) << text.toStdString() << '\n' << page.toStdString();
    const QString prefs = read(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s);
    EXPECT_FALSE(prefs.contains(u"pageLanguage"_s) || prefs.contains(u"letterIndex"_s));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LanguageOption,
    testing::Values(
        LanguageRow{"desktops", {}, {u"\n<html>\n"_s, u"March 4, 1980"_s}},
        LanguageRow{"known", {u"--language"_s, u"de"_s}, {u"\n<html lang=\"de\">\n"_s, u"März"_s}},
        LanguageRow{"regionFallsBack", {u"--language"_s, u"de_AT"_s}, {u"<html lang=\"de\">"_s}},
        LanguageRow{"latinIndexFilesOtherScriptsUnderStar",
                    {u"--language"_s, u"ru"_s},
                    {u"name=\"toc_*\""_s}},
        LanguageRow{
            "localeIndex",
            {u"--language"_s, u"ru"_s, u"--letter-index"_s, u"locale"_s},
            {u"<html lang=\"ru\">"_s, u"href=\"#toc_%D0%90\">А</a>"_s, u"name=\"toc_Б\">Б</a>"_s}}),
    RowName());

TEST_F(VorlinExport, anUnknownStoredLanguageIsTheDesktopsAndSaidOnce)
{
    write(u"book.vcf"_s, kRussianCards);
    write(u".config/vorlin/Library/Preferences/org.vorlin.Vorlin.plist"_s,
          *toXmlPropertyList(QVariantMap{{u"pageLanguage"_s, u"xx"_s}}));
    const Outcome result = runExport(
        home.path(), {u"--quiet"_s, u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s},
        kDesktopInEnglish);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.err.count(u"pageLanguage \"xx\""_s), 1) << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"\n<html>\n"_s));
}

TEST_F(VorlinExport, previewFollowsTheLanguageOption)
{
    const Outcome result = runExport(home.path(), {u"--preview-html"_s, u"--language"_s, u"de"_s},
                                     kDesktopInEnglish);
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(u"\n<html lang=\"de\">\n"_s));
    EXPECT_FALSE(result.out.contains(u"<title>Address Book</title>"_s));
}

TEST_F(VorlinExport, namedPipeIsRefusedAndSkippedInAFolder)
{
    write(u"book/a.vcf"_s, kTwoCards);
    ASSERT_EQ(::mkfifo(QFile::encodeName(home.filePath(u"book/pipe.vcf"_s)).constData(), 0600), 0);
    const Outcome named
        = run({u"--address-book"_s, u"book/pipe.vcf"_s, u"--output"_s, u"a.html"_s});
    EXPECT_EQ(named.status, 2);
    EXPECT_EQ(named.err,
              u"vorlin-export: book/pipe.vcf: not a regular file but a named pipe; "
              "not read\n"_s);
    const Outcome folder
        = run({u"--address-book"_s, u"book"_s, u"--output"_s, u"a.html"_s, u"--quiet"_s});
    EXPECT_EQ(folder.status, 0);
    EXPECT_TRUE(folder.err.contains(
        u"vorlin-export: warning: book/pipe.vcf: not a regular file but a named pipe; not read\n"_s))
        << folder.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"addressbook:bo:ABPerson"_s));
}

TEST_F(VorlinExport, undeclaredLegacyCharsetIsNamedAndRead)
{
    const QString text
        = u"BEGIN:VCARD\r\nVERSION:3.0\r\nN:Петренко;Віталій;;;\r\n"
          "ADR:;;вулиця Хрещатик, 22;Київ;;01001;Україна\r\n"
          "NOTE:подзвонити після обіду, день народження у вересні\r\nEND:VCARD\r\n"_s;
    write(u"book.vcf"_s, QStringEncoder("windows-1251").encode(text));
    const Outcome result
        = run({u"--address-book"_s, u"book.vcf"_s, u"--output"_s, u"a.html"_s, u"--quiet"_s});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.contains(
        u"book.vcf: text is not UTF-8 and names no character set; read as windows-1251"_s))
        << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).contains(u"Віталій"_s));
}

struct NoCardRow : NamedRow
{
    QList<std::pair<QString, QByteArray>> files;
    QString addressBook;
    QStringList errors; // lines standard error has
};

class NoCard : public VorlinExport, public testing::WithParamInterface<NoCardRow>
{};

// An empty page must not replace the last good one, nor its pictures.
TEST_P(NoCard, failsAndLeavesThePreviousPage)
{
    write(u"a.html"_s, "the previous page");
    write(u"images/ann.png"_s, "a picture");
    for (const auto &[name, bytes] : GetParam().files)
        write(name, bytes);
    const QStringList before = entries();
    const Outcome result = run(
        {u"--address-book"_s, GetParam().addressBook, u"--output"_s, u"a.html"_s, u"--quiet"_s});
    EXPECT_EQ(result.status, 2);
    for (const QString &line : GetParam().errors)
        EXPECT_TRUE(result.err.contains(u"vorlin-export: "_s + line + u'\n'))
            << line.toStdString() << " in\n"
            << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u"warning"_s)) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(u"windows-1252"_s)) << result.err.toStdString();
    EXPECT_EQ(read(u"a.html"_s), u"the previous page"_s);
    EXPECT_EQ(read(u"images/ann.png"_s), u"a picture"_s);
    EXPECT_EQ(entries(), before);
}

const QByteArray kZip("PK\x03\x04\x14\0\0\0\x08\0\xE4\x9F\xC3", 13);
const QByteArray kProgram = QByteArray("\x7F"
                                       "ELF\x02\x01\x01",
                                       7)
    + QByteArray(57, '\0') + QByteArray(64, '\xE9');

INSTANTIATE_TEST_SUITE_P(
    Rows, NoCard,
    testing::Values(NoCardRow{"zipArchive",
                              {{u"book.vcf"_s, kZip}},
                              u"book.vcf"_s,
                              {u"book.vcf: not a vCard file but a zip archive"_s,
                               u"book.vcf: no card found; nothing written"_s}},
                    NoCardRow{"program",
                              {{u"book.vcf"_s, kProgram}},
                              u"book.vcf"_s,
                              {u"book.vcf: not a vCard file but a program"_s}},
                    NoCardRow{"emptyFile",
                              {{u"book.vcf"_s, {}}},
                              u"book.vcf"_s,
                              {u"book.vcf: not a vCard file: it is empty"_s}},
                    NoCardRow{"textWithoutCards",
                              {{u"book.vcf"_s, "Name,Phone\nAnn,555\n"}},
                              u"book.vcf"_s,
                              {u"book.vcf:1: not a vCard file: no BEGIN:VCARD found"_s}},
                    NoCardRow{"folderOfThem",
                              {{u"book/a.vcf"_s, kZip}, {u"book/b.vcf"_s, {}}},
                              u"book"_s,
                              {u"book/a.vcf: not a vCard file but a zip archive"_s,
                               u"book/b.vcf: not a vCard file: it is empty"_s,
                               u"book: no card found; nothing written"_s}}),
    RowName());

// A folder with no files yet is a book without contacts, not a mistake.
TEST_F(VorlinExport, emptyFolderWritesAnEmptyPage)
{
    QDir().mkpath(home.filePath(u"book"_s));
    const Outcome result
        = run({u"--address-book"_s, u"book"_s, u"--output"_s, u"a.html"_s, u"--quiet"_s});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(read(u"a.html"_s).startsWith(u"<!DOCTYPE"_s));
}

TEST_F(VorlinExport, previewHtmlPrintsThePreviewAndWritesNothing)
{
    const Outcome result = run({u"--preview-html"_s});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.startsWith(u"<!DOCTYPE HTML PUBLIC"_s));
    EXPECT_TRUE(result.out.contains(u"<div class=\"card\""_s));
    EXPECT_FALSE(QDir(home.filePath(u"Desktop"_s)).exists());
}

} // namespace
