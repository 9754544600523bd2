// SPDX-License-Identifier: GPL-3.0-or-later
// File > Open Address Book: the desktop's address books, listed anew each time the menu
// opens, and "Choose a file..." and "Choose a folder..." below them. When the desktop's
// address-book server cannot be reached, one disabled entry says so (its tooltip says why).
#pragma once

#include "addressbook/eds/edsstore.h"

#include <QMenu>

#include <functional>

class QAction;

class AddressBookMenu final : public QMenu
{
    Q_OBJECT

public:
    using Lister = std::function<Expected<QList<EdsAddressBook>>()>;

    /// lister names the desktop's address books; the real one asks the server.
    explicit AddressBookMenu(QWidget *parent = nullptr, Lister lister = {});

    /// Lists the desktop's address books again (the menu does it when it opens).
    void refresh();
    [[nodiscard]] QAction *chooseFileAction() const { return m_chooseFile; }
    [[nodiscard]] QAction *chooseFolderAction() const { return m_chooseFolder; }

Q_SIGNALS:
    /// A desktop address book was picked: its name ("eds:<uid>").
    void addressBookChosen(const QString &name);
    void chooseFileRequested();
    void chooseFolderRequested();

private:
    void addBook(const EdsAddressBook &book);
    void addNote(const QString &text, const QString &why);

    Lister m_lister;
    QAction *m_separator;
    QAction *m_chooseFile;
    QAction *m_chooseFolder;
    QList<QAction *> m_listed;
};
