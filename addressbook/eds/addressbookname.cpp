// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/addressbookname.h"
#include "addressbook/carddav/carddavname.h"
#include "addressbook/eds/edsstore.h"
#include "addressbook/thunderbird/thunderbirdstore.h"
#include "util/filename.h"
#include "util/homepath.h"

#include <unistd.h>

using namespace Qt::StringLiterals;

std::optional<QString> chooseAddressBookName(const std::optional<QString> &commandLine,
                                             const QString &preference)
{
    const QString stored = expandedHome(preference);
    return addressBookPath(commandLine, stored.isEmpty() ? std::nullopt : std::optional(stored));
}

bool isDesktopAddressBookName(const QString &name)
{
    return name.startsWith(kEdsScheme);
}

bool isPathAddressBookName(const QString &name)
{
    return !isDesktopAddressBookName(name) && !isThunderbirdAddressBookName(name)
        && !isCardDavAddressBookName(name);
}

QString canonicalAddressBookName(const QString &name)
{
    return isPathAddressBookName(name) ? absoluteFileName(name) : name;
}

Expected<ContactStoreRead> openAddressBook(const QString &name, const CardDavAccess &access)
{
    if (isCardDavAddressBookName(name))
        return readCardDavStore(name, access);
    if (isDesktopAddressBookName(name))
        return readEdsStore(name.sliced(kEdsScheme.size()));
    if (isThunderbirdAddressBookName(name))
        return readThunderbirdStore(name.sliced(kThunderbirdScheme.size()));
    // By the name's own bytes: one that is not UTF-8 is found too (util/filename.h).
    const QByteArray source = encodeFileName(name);
    if (::access(source.constData(), F_OK) != 0)
        return Unexpected(u"%1: no such file or folder"_s.arg(printableFileName(name)));
    if (::access(source.constData(), R_OK) != 0)
        return Unexpected(u"%1: cannot be read"_s.arg(printableFileName(name)));
    ContactStoreRead read = readVCardStore(name);
    // A named path that is no regular file or folder (a device, a pipe) is not an address book.
    if (!read.pathError.isEmpty())
        return Unexpected(read.pathError);
    return read;
}
