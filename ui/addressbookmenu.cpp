// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/addressbookmenu.h"
#include "ui/uitext.h"

#include <QAction>

using namespace Qt::StringLiterals;

AddressBookMenu::AddressBookMenu(QWidget *parent, Lister lister)
    : QMenu(UiText::tr("Open Address Book..."), parent)
    , m_lister(lister ? std::move(lister)
                      : Lister([] { return listEdsAddressBooks(ContactCounts::Skip); }))
{
    setObjectName(u"openAddressBookMenu"_s);
    setAccessibleName(UiText::tr("Open Address Book..."));
    m_separator = addSeparator();
    m_chooseFile = addAction(UiText::tr("Choose a file..."), QKeySequence::Open, this,
                             &AddressBookMenu::chooseFileRequested);
    m_chooseFile->setObjectName(u"chooseAddressBookFileAction"_s);
    // A file dialog steps into a folder on Open, so a folder of cards has an entry of its own.
    m_chooseFolder = addAction(UiText::tr("Choose a folder..."), QKeySequence(u"Ctrl+Shift+O"_s),
                               this, &AddressBookMenu::chooseFolderRequested);
    m_chooseFolder->setObjectName(u"chooseAddressBookFolderAction"_s);
    connect(this, &QMenu::aboutToShow, this, &AddressBookMenu::refresh);
}

void AddressBookMenu::refresh()
{
    for (QAction *action : std::as_const(m_listed)) {
        removeAction(action);
        action->deleteLater();
    }
    m_listed.clear();
    const Expected<QList<EdsAddressBook>> books = m_lister();
    if (!books)
        return addNote(UiText::tr("The desktop's address books cannot be reached"), books.error());
    if (books->isEmpty())
        return addNote(UiText::tr("The desktop has no address books"), {});
    for (const EdsAddressBook &book : *books)
        addBook(book);
}

void AddressBookMenu::addBook(const EdsAddressBook &book)
{
    const QString text = book.isDefault
        ? UiText::tr("%@ (default)").replace(u"%@"_s, book.displayName)
        : book.displayName;
    auto *action = new QAction(text, this);
    action->setObjectName(u"addressBookAction:"_s + book.name);
    action->setToolTip(book.name);
    const QString name = book.name;
    connect(action, &QAction::triggered, this, [this, name] { Q_EMIT addressBookChosen(name); });
    insertAction(m_separator, action);
    m_listed.append(action);
}

void AddressBookMenu::addNote(const QString &text, const QString &why)
{
    auto *note = new QAction(text, this);
    note->setObjectName(u"addressBookNote"_s);
    note->setToolTip(why);
    note->setEnabled(false);
    insertAction(m_separator, note);
    m_listed.append(note);
}
