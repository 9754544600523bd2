// SPDX-License-Identifier: GPL-3.0-or-later
// vorlin-export's work: the same page as the window's generate command, with the same
// settings, from the command line and without asking anything.
//
// With --pdf it also prints the page to a PDF through the web engine (cli/pdfprinter.h).
//
// run() returns one of ExportExit's statuses: 0 the page (or the preview, or the page and its
// PDF) was written; 1 the page or the PDF could not be written, or the book is too large to
// print; 2 no usable address book (also one where no file holds a single card), or a bad
// command line.
#pragma once

#include "addressbook/vcard/vcardstore.h"
#include "cli/exportoptions.h"
#include "util/bundle.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <optional>

class ContactStore;
class PageGenerator;
class PreferencesStore;
class QSaveFile;

class ExportCommand final
{
public:
    ExportCommand(PreferencesStore &store, Bundle bundle, std::FILE *out = stdout,
                  std::FILE *err = stderr);

    [[nodiscard]] int run(const ExportOptions &options);

    /// The most contacts printed to one PDF: the web engine lays out the whole book at once,
    /// and beyond this takes minutes and gigabytes (measured in docs/ARCHITECTURE.md).
    static constexpr qsizetype kMaxPrintedContacts = 2000;
    /// The most text (the page's bytes outside its markup) printed to one PDF, however few
    /// contacts hold it: one 3 MB note kept the engine busy past PdfPrinter::deadline, and a
    /// 6 MB one ran it out of memory (docs/ARCHITECTURE.md).
    static constexpr qsizetype kMaxPrintedTextBytes = qsizetype{2} * 1024 * 1024;

private:
    [[nodiscard]] int printPreview(const ExportOverrides &overrides);
    [[nodiscard]] std::optional<ContactStoreRead>
    readAddressBook(const ExportOptions &options) const;
    [[nodiscard]] bool reportProblems(const ContactStoreRead &read, const QString &name) const;
    [[nodiscard]] int listAddressBooks(const ExportOptions &options) const;
    [[nodiscard]] int exportBook(const ContactStore &addressBook, const ExportOptions &options);
    [[nodiscard]] int openPdf(PageGenerator &generator, const QString &page, QSaveFile &pdf,
                              QByteArray &printed) const;
    [[nodiscard]] int fail(const QString &reason, int status) const;
    [[nodiscard]] QString outputPath(const ExportOptions &options) const;
    void refreshGroups(const ContactStore &addressBook);
    void print(std::FILE *stream, const QString &text) const;

    PreferencesStore &m_store;
    Bundle m_bundle;
    std::FILE *m_out;
    std::FILE *m_err;
};
