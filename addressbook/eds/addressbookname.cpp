// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/eds/addressbookname.h"
#include "addressbook/eds/edsstore.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<QString> chooseAddressBookName(const std::optional<QString> &commandLine,
                                             const QString &preference)
{
    QString stored = preference;
    if (stored == u"~" || stored.startsWith(u"~/"))
        stored = QDir::homePath() + stored.mid(1);
    return addressBookPath(commandLine, stored.isEmpty() ? std::nullopt : std::optional(stored));
}

bool isDesktopAddressBookName(const QString &name)
{
    return name.startsWith(kEdsScheme);
}

QString canonicalAddressBookName(const QString &name)
{
    return isDesktopAddressBookName(name) ? name : QFileInfo(name).absoluteFilePath();
}

Expected<ContactStoreRead> openAddressBook(const QString &name)
{
    if (isDesktopAddressBookName(name))
        return readEdsStore(name.sliced(kEdsScheme.size()));
    const QFileInfo source(name);
    if (!source.exists())
        return Unexpected(u"%1: no such file or folder"_s.arg(name));
    if (!source.isReadable())
        return Unexpected(u"%1: cannot be read"_s.arg(name));
    ContactStoreRead read = readVCardStore(name);
    // A named path that is no regular file or folder (a device, a pipe) is not an address book.
    if (!read.pathError.isEmpty())
        return Unexpected(read.pathError);
    return read;
}
