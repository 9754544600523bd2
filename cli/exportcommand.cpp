// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/exportcommand.h"

#include "addressbook/carddav/carddavstore.h"
#include "addressbook/eds/addressbookname.h"
#include "addressbook/eds/edsstore.h"
#include "addressbook/groupselection.h"
#include "addressbook/memorycontactstore.h"
#include "addressbook/thunderbird/thunderbirdstore.h"
#include "addressbook/vcard/vcardstore.h"
#include "cli/pdfprinter.h"
#include "cli/printedpage.h"
#include "cli/terminalprogress.h"
#include "engine/contactcardwriter.h"
#include "engine/pagefile.h"
#include "engine/pagegenerator.h"
#include "engine/previewpage.h"
#include "settings/defaultsregistration.h"
#include "settings/exportsettings.h"
#include "settings/groupchoice.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "settings/settingspaths.h"
#include "util/filename.h"
#include "util/homepath.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

QString tooLargeToPrint(const QString &pdf, qsizetype contacts)
{
    return u"%1: %2 contacts are too many to print in one PDF; at most %3 are printed. The web "
           "engine lays out the whole book at once: 2,000 contacts take it about 100 seconds "
           "and 2.2 GB of memory, and the time grows faster than the count. Write the page "
           "alone, or tick fewer groups."_s.arg(pdf)
               .arg(contacts)
               .arg(ExportCommand::kMaxPrintedContacts);
}

QString textTooLargeToPrint(const QString &pdf, qsizetype text, QByteArrayView page)
{
    const PrintedPage::Card largest = PrintedPage::largestCard(page);
    return u"%1: the page holds %2 bytes of text, too much to print in one PDF; at most %3 "
           "are printed. The most is on the card of \"%4\", %5 bytes. The web engine lays out "
           "the whole page at once, and a few megabytes take it minutes and gigabytes of "
           "memory. Write the page alone, or shorten that contact."_s.arg(pdf)
               .arg(text)
               .arg(ExportCommand::kMaxPrintedTextBytes)
               .arg(largest.name)
               .arg(largest.textBytes);
}

// A listing's count: -1 is a book that was not or could not be counted.
QString contactCount(qsizetype contacts)
{
    return contacts >= 0 ? u"%1 contacts"_s.arg(contacts) : u"? contacts"_s;
}

} // namespace

ExportCommand::ExportCommand(PreferencesStore &store, Bundle bundle, std::FILE *out, std::FILE *err)
    : m_store(store)
    , m_bundle(std::move(bundle))
    , m_out(out)
    , m_err(err)
{}

int ExportCommand::run(const ExportOptions &options)
{
    if (options.previewHtml)
        return printPreview(options.overrides);
    if (options.listAddressBooks)
        return listAddressBooks(options);
    const std::optional<ContactStoreRead> read = readAddressBook(options);
    if (!read)
        return ExportExit::unusableInput;
    refreshGroups(*read->store);
    return exportBook(*read->store, options);
}

std::optional<ContactStoreRead> ExportCommand::readAddressBook(const ExportOptions &options) const
{
    const std::optional<QString> name = chooseAddressBookName(
        options.addressBook, m_store.objectForKey(SettingsKeys::addressBookPath).toString());
    if (!name) {
        print(m_err,
              u"vorlin-export: no address book to read. Name one with --address-book PATH "
              "(a .vcf file or a folder of them, eds: for the desktop's address book, "
              "thunderbird: for Thunderbird's or the https:// URL of a CardDAV address book), or "
              "store it as the preference \"addressBookPath\".\n"_s);
        return std::nullopt;
    }
    Expected<ContactStoreRead> read = openAddressBook(*name, options.carddav);
    if (!read) {
        print(m_err, u"vorlin-export: %1\n"_s.arg(read.error()));
        return std::nullopt;
    }
    if (!reportProblems(*read, *name))
        return std::nullopt;
    return std::move(*read);
}

// Without a single card the page would be an empty one over the last good one, so the
// problems are the reason to stop then, not warnings. Returns whether to go on.
bool ExportCommand::reportProblems(const ContactStoreRead &read, const QString &name) const
{
    const bool noCard = read.foundNoCard();
    const QString line = noCard ? u"vorlin-export: %1\n"_s : u"vorlin-export: warning: %1\n"_s;
    for (const QString &problem : read.diagnostics)
        print(m_err, line.arg(problem));
    if (noCard)
        print(m_err, u"vorlin-export: %1: no card found; nothing written\n"_s.arg(name));
    return !noCard;
}

// One line per address book: the name to pass, what it is, how many contacts, and which one
// the desktop takes by default (or why a book of Thunderbird's could not be counted). The vCard
// location comes first when the lookup order has one. Without a desktop session the
// desktop's books are left out with a line saying so, and the others are still listed.
int ExportCommand::listAddressBooks(const ExportOptions &options) const
{
    const std::optional<QString> name = chooseAddressBookName(
        options.addressBook, m_store.objectForKey(SettingsKeys::addressBookPath).toString());
    if (name && isPathAddressBookName(*name) && QFileInfo::exists(*name)) {
        const ContactStoreRead read = readVCardStore(*name);
        print(m_out,
              u"%1\tvCard\t%2 contacts\n"_s.arg(canonicalAddressBookName(*name))
                  .arg(read.store->people().size()));
    }
    const Expected<QList<EdsAddressBook>> books = listEdsAddressBooks();
    if (!books)
        print(m_err,
              u"vorlin-export: the desktop's address books are not listed: %1\n"_s.arg(
                  books.error()));
    for (const EdsAddressBook &book : books.value_or(QList<EdsAddressBook>())) {
        print(m_out,
              u"%1\t%2\t%3%4\n"_s.arg(book.name, book.displayName, contactCount(book.contacts),
                                      book.isDefault ? u"\tdefault"_s : QString()));
        if (!book.problem.isEmpty())
            print(m_err, u"vorlin-export: %1: %2\n"_s.arg(book.name, book.problem));
    }
    for (const ThunderbirdAddressBook &book : listThunderbirdAddressBooks(ContactCounts::Count)) {
        print(m_out,
              u"%1\t%2\t%3%4\n"_s.arg(book.name, book.description, contactCount(book.contacts),
                                      book.problem.isEmpty() ? QString() : u'\t' + book.problem));
    }
    for (const CardDavAddressBook &book : listCardDavAddressBooks()) {
        print(m_out,
              u"%1\t%2\t%3%4\n"_s.arg(book.name, book.displayName, contactCount(book.contacts),
                                      book.isDefault ? u"\tdefault"_s : QString()));
    }
    return ExportExit::success;
}

int ExportCommand::exportBook(const ContactStore &addressBook, const ExportOptions &options)
{
    const QString target = outputPath(options);
    PageGenerator::makeTargetFolder(QFileInfo(target).absolutePath());
    ExportSettings settings;
    readDefaults(settings, m_store, SettingsPaths::addressBookPreferencesFile());
    PageGenerator generator(m_store, settings, addressBook, m_bundle);
    generator.setOverrides(options.overrides);
    // Opened before the page is written, so a PDF that cannot be written fails before any work.
    QSaveFile pdf(options.pdf ? QFileInfo(*options.pdf).absoluteFilePath() : QString());
    QByteArray printed;
    if (options.pdf) {
        if (const int status = openPdf(generator, target, pdf, printed);
            status != ExportExit::success)
            return status;
    }
    TerminalProgress progress(!options.quiet, m_err);
    const Expected<GenerationReport> result
        = generator.generateHTML(target, [&](std::optional<double> f) { progress.update(f); });
    if (!result)
        return fail(result.error(), ExportExit::pageNotWritten);
    if (options.pdf) {
        progress.printing();
        const QString error = PdfPrinter(options.paper.value_or(systemPaper()))
                                  .print(printed, QFileInfo(target).absolutePath(), pdf);
        if (!error.isEmpty())
            return fail(error, ExportExit::pageNotWritten);
    }
    print(m_out, target + u'\n');
    if (options.pdf)
        print(m_out, pdf.fileName() + u'\n');
    return ExportExit::success;
}

// Refuses a PDF that would replace the page, or a book too large to print, before anything
// is written; then makes the PDF's folder and opens it for an atomic write. printed gets the
// page's text as it will be printed: measured here, and never read back from the page's
// path, which may be a pipe or a device.
int ExportCommand::openPdf(PageGenerator &generator, const QString &page, QSaveFile &pdf,
                           QByteArray &printed) const
{
    if (pdf.fileName() == page)
        return fail(u"--pdf names the page itself: %1"_s.arg(page), ExportExit::unusableInput);
    // Its atomic write would replace a device or a pipe with a file.
    if (PageFile::isSpecialFile(pdf.fileName()))
        return fail(u"%1: not a regular file; the PDF is written to a file of its own"_s.arg(
                        pdf.fileName()),
                    ExportExit::unusableInput);
    const qsizetype contacts = generator.contactCount();
    if (contacts > kMaxPrintedContacts)
        return fail(tooLargeToPrint(pdf.fileName(), contacts), ExportExit::pageNotWritten);
    // Pictures are only referenced: the page's generation writes them.
    qsizetype printedContacts = 0;
    printed = generator.pageText(QFileInfo(page).absolutePath() + u"/images"_s,
                                 PictureSaving::ReferenceOnly, {}, printedContacts);
    if (const qsizetype text = PrintedPage::textBytes(printed); text > kMaxPrintedTextBytes)
        return fail(textTooLargeToPrint(pdf.fileName(), text, printed), ExportExit::pageNotWritten);
    PageGenerator::makeTargetFolder(QFileInfo(pdf.fileName()).absolutePath());
    if (!pdf.open(QIODevice::WriteOnly))
        return fail(u"%1: %2"_s.arg(pdf.fileName(), pdf.errorString()), ExportExit::pageNotWritten);
    return ExportExit::success;
}

int ExportCommand::fail(const QString &reason, int status) const
{
    print(m_err, u"vorlin-export: %1\n"_s.arg(reason));
    return status;
}

int ExportCommand::printPreview(const ExportOverrides &overrides)
{
    ExportSettings settings;
    readDefaults(settings, m_store, SettingsPaths::addressBookPreferencesFile());
    overrides.applyTo(settings);
    const MemoryContactStore noAddressBook;
    const PreviewPage preview(m_bundle);
    print(m_out,
          preview.render(CardContext{settings, m_store, noAddressBook},
                         m_store.objectForKey(SettingsKeys::css).toString()));
    return ExportExit::success;
}

QString ExportCommand::outputPath(const ExportOptions &options) const
{
    if (options.output)
        return absoluteFileName(*options.output);
    const QDir folder(
        pageFolder(m_store.objectForKey(SettingsKeys::navLastCurrentDirectory).toString()));
    // A stored name that is no plain file name, or that names a folder, counts as none.
    const QString stored = m_store.objectForKey(SettingsKeys::fileName).toString();
    const bool usable = PageFile::namesAFile(stored) && !stored.contains(u'/')
        && !QFileInfo(folder.filePath(stored)).isDir();
    return folder.filePath(usable ? stored
                                  : defaultSettings({}).value(SettingsKeys::fileName).toString());
}

// As the window's Refresh does at start: stored choices kept, new groups ticked, vanished
// ones dropped; so a first run exports everything.
void ExportCommand::refreshGroups(const ContactStore &addressBook)
{
    const QVariant stored = m_store.objectForKey(SettingsKeys::groupsToUse);
    const std::optional<QList<GroupChoice>> previous
        = stored.isValid() ? std::optional(groupChoicesFromVariant(stored)) : std::nullopt;
    m_store.setObject(
        groupChoicesToVariant(refreshedGroupChoices(allGroupNames(addressBook), previous)),
        SettingsKeys::groupsToUse);
}

void ExportCommand::print(std::FILE *stream, const QString &text) const
{
    // Messages name contact values and file names, and a terminal would obey their control
    // characters; the page or preview on standard output is another program's input, and
    // the page's path there is its own bytes.
    const QByteArray bytes
        = stream == m_err ? printableFileName(text).toUtf8() : encodeFileName(text);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}
