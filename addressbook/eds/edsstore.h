// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's address books as a contact store: evolution-data-server's, read once through
// libebook into memory and never written. Each contact's vCard is read by the vCard store's
// reader, so a contact looks the same as when it is exported to a .vcf file; the local picture
// file it links to is read apart (linkedpicture.h). Contact lists are groups with their
// members, nested lists subgroups.
//
//   Expected<ContactStoreRead> read = readEdsStore(u"system-address-book"_s);
//   if (!read) fail(read.error());   // "eds:system-address-book: <reason>"
#pragma once

#include "addressbook/vcard/vcardstore.h"
#include "util/expected.h"

#include <QList>
#include <QString>

struct EdsAddressBook
{
    QString name;            // "eds:<source-uid>", as --address-book takes it
    QString displayName;     // as the desktop shows it
    qsizetype contacts = -1; // -1 when it could not be counted
    QString problem;         // why it could not be counted, or empty
    bool isDefault = false;
};

/// The name prefix of the desktop's address books.
inline constexpr QStringView kEdsScheme = u"eds:";

/// Reads the address book of that source uid, the default one for an empty uid. Fails when
/// the server cannot be reached in time, the uid names no address book (the message lists
/// those there are) or the book cannot be opened. A contact that cannot be read fully gets a
/// diagnostic naming "eds:<source-uid>/<contact-uid>"; the others are read.
[[nodiscard]] Expected<ContactStoreRead> readEdsStore(const QString &sourceUid);

/// The enabled address books of the desktop, with their numbers of contacts when asked.
[[nodiscard]] Expected<QList<EdsAddressBook>> listEdsAddressBooks(ContactCounts counts
                                                                  = ContactCounts::Count);
