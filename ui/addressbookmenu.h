// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open Address Book: the desktop's address books, Thunderbird's and the CardDAV books
// read before, listed anew each time the menu opens, and "Choose a file...", "Choose a
// folder..." and "CardDAV address book..." below them. When the
// desktop's address-book server cannot be reached, one disabled entry says so (its tooltip
// says why), and Thunderbird's books are listed all the same.
#pragma once

#include "addressbook/carddav/carddavstore.h"
#include "addressbook/eds/edsstore.h"
#include "addressbook/thunderbird/thunderbirdstore.h"

#include <QMenu>

#include <functional>

class QAction;

class AddressBookMenu final : public QMenu
{
    Q_OBJECT

public:
    using Lister = std::function<Expected<QList<EdsAddressBook>>()>;
    using ThunderbirdLister = std::function<QList<ThunderbirdAddressBook>()>;
    using CardDavLister = std::function<QList<CardDavAddressBook>()>;

    /// lister names the desktop's address books, thunderbirdLister Thunderbird's and
    /// cardDavLister the CardDAV books with a local copy; the real ones ask the server and
    /// look in the home and cache folders.
    explicit AddressBookMenu(QWidget *parent = nullptr, Lister lister = {},
                             ThunderbirdLister thunderbirdLister = {},
                             CardDavLister cardDavLister = {});

    /// Lists the address books again (the menu does it when it opens).
    void refresh();
    [[nodiscard]] QAction *chooseFileAction() const { return m_chooseFile; }
    [[nodiscard]] QAction *chooseFolderAction() const { return m_chooseFolder; }
    [[nodiscard]] QAction *cardDavAction() const { return m_cardDav; }

Q_SIGNALS:
    /// An address book was picked: its name ("eds:<uid>", "thunderbird:<profile>/<file>", a URL).
    void addressBookChosen(const QString &name);
    void chooseFileRequested();
    void chooseFolderRequested();
    void cardDavRequested();

private:
    void addDesktopBooks();
    void addThunderbirdBooks();
    void addCardDavBooks();
    void addBook(const QString &name, const QString &text);
    void addNote(const QString &text, const QString &why);

    Lister m_lister;
    ThunderbirdLister m_thunderbirdLister;
    CardDavLister m_cardDavLister;
    QAction *m_separator;
    QAction *m_chooseFile;
    QAction *m_chooseFolder;
    QAction *m_cardDav;
    QList<QAction *> m_listed;
};
