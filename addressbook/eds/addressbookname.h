// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where an address-book name becomes a store. A name is a path (a .vcf file or
// a folder of them, read by the vCard store), "eds:" (the desktop's default address book),
// "eds:<source-uid>" (one of the desktop's address books), "thunderbird:..." (one of
// Thunderbird's, thunderbirdprofiles.h) or an http(s) URL (a CardDAV address book or account,
// carddavname.h). The command line, the preference "addressBookPath"
// and the window all go through here.
//
//   Expected<ContactStoreRead> read = openAddressBook(name);
//   if (!read) fail(read.error());  // "<name>: <reason>"
#pragma once

#include "addressbook/carddav/carddavstore.h"
#include "addressbook/vcard/vcardstore.h"
#include "util/expected.h"

#include <QString>

#include <optional>

/// Which address book to open: the command line's name, else the stored preference (a
/// leading "~/" stands for the home folder), else the desktop's contacts folder when it
/// exists; none when there is none.
[[nodiscard]] std::optional<QString>
chooseAddressBookName(const std::optional<QString> &commandLine, const QString &preference);
/// Whether the name is one of the desktop's address books rather than a path.
[[nodiscard]] bool isDesktopAddressBookName(const QString &name);
/// Whether the name is a path (a file or a folder), not the name of a book kept elsewhere.
[[nodiscard]] bool isPathAddressBookName(const QString &name);
/// The form to remember: a path made absolute; any other name unchanged.
[[nodiscard]] QString canonicalAddressBookName(const QString &name);
/// Reads the address book the name gives. Fails, with "<name>: <reason>", when there is no
/// such file or folder, it cannot be read, the desktop's address book cannot be reached or
/// opened, Thunderbird's cannot be found or read, or a CardDAV server cannot be read (access
/// says how to reach it); problems with single cards are diagnostics of the result.
[[nodiscard]] Expected<ContactStoreRead> openAddressBook(const QString &name,
                                                         const CardDavAccess &access = {});
