// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/addressbookmenu.h"
#include "ui/uitext.h"

#include <QAction>

#include <algorithm>

using namespace Qt::StringLiterals;

AddressBookMenu::AddressBookMenu(QWidget *parent, Lister lister,
                                 ThunderbirdLister thunderbirdLister, CardDavLister cardDavLister)
    : QMenu(UiText::tr("Open Address Book..."), parent)
    , m_lister(lister ? std::move(lister)
                      : Lister([] { return listEdsAddressBooks(ContactCounts::Skip); }))
    , m_thunderbirdLister(thunderbirdLister ? std::move(thunderbirdLister) : ThunderbirdLister([] {
        return listThunderbirdAddressBooks(ContactCounts::Skip);
    }))
    , m_cardDavLister(cardDavLister ? std::move(cardDavLister) : CardDavLister([] {
        return listCardDavAddressBooks(ContactCounts::Skip);
    }))
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
    m_cardDav = addAction(UiText::tr("CardDAV address book..."), this,
                          &AddressBookMenu::cardDavRequested);
    m_cardDav->setObjectName(u"openCardDavAction"_s);
    connect(this, &QMenu::aboutToShow, this, &AddressBookMenu::refresh);
}

void AddressBookMenu::refresh()
{
    for (QAction *action : std::as_const(m_listed)) {
        removeAction(action);
        action->deleteLater();
    }
    m_listed.clear();
    addDesktopBooks();
    addThunderbirdBooks();
    addCardDavBooks();
}

void AddressBookMenu::addDesktopBooks()
{
    const Expected<QList<EdsAddressBook>> books = m_lister();
    if (!books)
        return addNote(UiText::tr("The desktop's address books cannot be reached"), books.error());
    if (books->isEmpty())
        return addNote(UiText::tr("The desktop has no address books"), {});
    for (const EdsAddressBook &book : *books) {
        addBook(book.name,
                book.isDefault ? UiText::tr("%@ (default)").replace(u"%@"_s, book.displayName)
                               : book.displayName);
    }
}

// Each is named by its description and Thunderbird's name, and by its profile too where
// books of several profiles are listed. A description that is one of the built-in books' names
// is shown in the window's language.
void AddressBookMenu::addThunderbirdBooks()
{
    const QList<ThunderbirdAddressBook> books = m_thunderbirdLister();
    const bool oneProfile
        = std::ranges::all_of(books, [&books](const ThunderbirdAddressBook &book) {
              return book.profile == books.constFirst().profile;
          });
    for (const ThunderbirdAddressBook &book : books) {
        const QString description = UiText::tr(book.description.toUtf8().constData());
        addBook(book.name,
                oneProfile ? UiText::tr("%1 (Thunderbird)").arg(description)
                           : UiText::tr("%1 (Thunderbird, %2)").arg(description, book.profile));
    }
}

// Named by the book's name on the server and the account it belongs to.
void AddressBookMenu::addCardDavBooks()
{
    for (const CardDavAddressBook &book : m_cardDavLister()) {
        const QUrl url(book.name);
        addBook(book.name,
                UiText::tr("%1 (CardDAV, %2)")
                    .arg(book.displayName.isEmpty() ? url.path() : book.displayName,
                         url.userName() + u'@' + url.host()));
    }
}

void AddressBookMenu::addBook(const QString &name, const QString &text)
{
    auto *action = new QAction(text, this);
    action->setObjectName(u"addressBookAction:"_s + name);
    action->setToolTip(name);
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
