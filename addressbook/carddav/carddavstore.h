// SPDX-License-Identifier: GPL-3.0-or-later
// CardDAV address books as a contact store. The name is a URL (carddavname.h): the book is
// found on the server (carddavdiscovery.h), its local copy brought up to date
// (carddavsync.h, carddavcache.h) and the cards read from the copy with the vCard store's
// reader, so a card reads exactly as from a .vcf file; linked pictures are added
// (carddavpictures.h). Offline, the copy is read without the server. Nothing on the server is
// ever written. Every call blocks its thread until done or the deadline, so the window calls
// it from a worker thread; each call has a client of its own.
//
//   CardDavAccess access;
//   access.passwordFile = u"~/.config/dav-password"_s;
//   Expected<ContactStoreRead> read = readCardDavStore(u"https://ann@dav.example.org/"_s, access);
//   if (!read) fail(read.error());   // "https://ann@dav.example.org/: <reason>"
#pragma once

#include "addressbook/carddav/carddavclient.h"
#include "addressbook/vcard/vcardstore.h"
#include "util/expected.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

/// How to reach the server: who, with which password, or not at all.
struct CardDavAccess
{
    QString user;                        // when the URL names none
    std::optional<QString> password;     // typed by the user just now
    std::optional<QString> passwordFile; // else the keyring is asked
    bool offline = false;                // read the local copy only
    CardDavClient::Options client;       // time limits, size limit, observer
};

struct CardDavAddressBook
{
    QString name; // the book's URL with the user, as --address-book takes it
    QString displayName;
    qsizetype contacts = -1; // in the local copy
    bool isDefault = false;
};

/// Why a read failed, where the caller can mend it by asking the user for a password.
enum class CardDavProblem : std::uint8_t {
    Other,
    NoPassword,      // none was given, and the keyring holds none or cannot be asked
    PasswordRefused, // the server refused the user name or password
};

/// Reads the address book the URL names: a collection, or the one book of an account's
/// server (or its default one). Fails, naming the URL, when it cannot be reached, refuses
/// the credentials, answers what is no address book, or holds several books and no
/// default (the message lists them); offline, when there is no local copy. problem, when
/// given, is set to why it failed.
[[nodiscard]] Expected<ContactStoreRead> readCardDavStore(const QString &name,
                                                          const CardDavAccess &access = {},
                                                          CardDavProblem *problem = nullptr);

/// The books of every account that has a local copy, as found the last time its server was
/// asked, with their contacts counted in the copy on request (-1 for a book never read or
/// not counted).
[[nodiscard]] QList<CardDavAddressBook> listCardDavAddressBooks(ContactCounts counts
                                                                = ContactCounts::Count);
