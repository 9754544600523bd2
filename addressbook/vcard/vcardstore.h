// SPDX-License-Identifier: GPL-3.0-or-later
// The address book on Linux: one .vcf file, or every *.vcf / *.vcard file below a folder
// (the layout CardDAV sync tools write), read once into memory and never written. Group
// cards (KIND:group, X-ADDRESSBOOKSERVER-KIND:group) with their MEMBER lines and every
// CATEGORIES name become groups; a category and a group card of the same name are one
// group; nesting that would make a cycle is left out. Every problem gets one line naming
// the file and line; every readable card is still read.
//
//   ContactStoreRead read = readVCardStore(path);
//   for (const QString &line : read.diagnostics) systemLog(line);
//   setSharedAddressBook(std::move(read.store));
//
//   const VCardPersonRead sample = initWithVCardRepresentation(bytes);
//   if (sample.person) sample.person->setValue(note, kABNoteProperty);
#pragma once

#include "addressbook/abperson.h"
#include "addressbook/memorycontactstore.h"
#include "addressbook/vcard/vcardrangereads.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

/// A person read from one vCard, with what was wrong with the data.
struct VCardPersonRead
{
    /// The error, when the data holds no person card, is also the last diagnostic.
    Expected<ABPerson> person;
    QStringList diagnostics; // "<origin>:<line>: <problem>", one line each

    [[nodiscard]] bool ok() const { return person.has_value(); }
};

struct ContactStoreRead
{
    std::unique_ptr<MemoryContactStore> store; // never null; empty when nothing was read
    QStringList diagnostics;                   // "<file>:<line>: <problem>", one line each
    /// How many problems there were, also those the diagnostics only count past their limit.
    qsizetype problemCount = 0;
    /// How many of them left a whole file out (it could not be read, or held no card); the
    /// others are values or lines of cards that were read.
    qsizetype unreadFiles = 0;
    /// "<path>: <problem>" when the path itself could not be read (missing, not a regular
    /// file or folder, unreadable, too large); it is among the diagnostics too.
    QString pathError;

    /// Whether files were looked at and not one card found in any (each says why among the
    /// diagnostics): a program or an archive named .vcf, an empty file. An empty folder is
    /// an address book with no contacts yet, not this.
    [[nodiscard]] bool foundNoCard() const
    {
        return unreadFiles > 0 && store->people().isEmpty() && store->groups().isEmpty();
    }
};

/// Reads a .vcf file, or the vCard files below a folder. The options say how many threads
/// read a large text; the result is the same however many there are.
[[nodiscard]] ContactStoreRead readVCardStore(const QString &path,
                                              const VCardReadOptions &options = {});
/// Reads the bytes of one file; origin names it in the diagnostics.
[[nodiscard]] ContactStoreRead readVCardData(const QByteArray &data, const QString &origin,
                                             const VCardReadOptions &options = {});
/// One text of cards and the name its diagnostics give it.
struct VCardSource
{
    QByteArray data;
    QString origin;
};
/// Reads several texts into one store, so that groups in one refer to cards in another.
[[nodiscard]] ContactStoreRead readVCardSources(const QList<VCardSource> &sources,
                                                const VCardReadOptions &options = {});
/// The same for many short texts, a card or a few each (as the desktop's address-book server
/// hands its contacts over): they are read side by side on the threads, each whole, where
/// readVCardSources cuts each text into ranges for its threads and reads one after another.
[[nodiscard]] ContactStoreRead readShortVCardSources(const QList<VCardSource> &sources,
                                                     const VCardReadOptions &options = {});
/// The first person card of data; origin names it in the diagnostics.
[[nodiscard]] VCardPersonRead readFirstVCardPerson(const QByteArray &data, const QString &origin);
/// A person on its own (the preview's sample) from the first card of data: UTF-8 (with or
/// without a byte-order mark) or UTF-16 (the same). The vCard side provides it so that the model
/// never calls into a reader.
[[nodiscard]] VCardPersonRead initWithVCardRepresentation(const QByteArray &data);

/// Which address book to open: the one given on the command line, else the stored
/// preference, else ${XDG_DATA_HOME:-~/.local/share}/contacts when it exists, else none.
[[nodiscard]] std::optional<QString> addressBookPath(const std::optional<QString> &commandLine,
                                                     const std::optional<QString> &preference);
