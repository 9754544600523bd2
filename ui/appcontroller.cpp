// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/appcontroller.h"

#include "addressbook/carddav/carddavname.h"
#include "addressbook/eds/addressbookname.h"
#include "addressbook/eds/addressbookwatcher.h"
#include "engine/cardcontext.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "settings/settingsobserver.h"
#include "settings/settingspaths.h"
#include "ui/carddavrefresher.h"
#include "ui/grouptablemodel.h"
#include "ui/settingsbinder.h"
#include "ui/uitext.h"

using namespace Qt::StringLiterals;

namespace {

// The account of a CardDAV book the controller opened, which it made sure names a user.
QString accountOf(const QString &cardDavName)
{
    return CardDavTarget::parse(cardDavName, {})->accountName();
}

ContactStoreRead nothingRead()
{
    ContactStoreRead read;
    read.store = std::make_unique<MemoryContactStore>();
    return read;
}

} // namespace

AppController::AppController(PreferencesStore &store, Bundle bundle, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_bundle(std::move(bundle))
    , m_read(nothingRead())
    , m_previewPage(m_bundle)
    , m_binder(std::make_unique<SettingsBinder>(store))
    , m_observer(std::make_unique<SettingsObserver>(store))
    , m_groupModel(std::make_unique<GroupTableModel>(m_settings, store, *m_read.store))
    , m_watcher(std::make_unique<AddressBookWatcher>())
    , m_cardDav(std::make_unique<CardDavRefresher>())
{
    connect(m_cardDav.get(), &CardDavRefresher::finished, this, &AppController::serverAnswered);
    connect(m_cardDav.get(), &CardDavRefresher::passwordNotKept, this,
            &AppController::passwordNotKept);
    connect(m_observer.get(), &SettingsObserver::observedValueChanged, this,
            &AppController::updatePreview);
    connect(m_watcher.get(), &AddressBookWatcher::changed, this,
            &AppController::refreshAddressBook);
}

AppController::~AppController() = default;

std::optional<QString>
AppController::startAddressBookPath(const std::optional<QString> &commandLine) const
{
    return chooseAddressBookName(commandLine,
                                 m_store.objectForKey(SettingsKeys::addressBookPath).toString());
}

bool AppController::openAddressBook(const QString &name)
{
    m_rememberWhenRead = false;
    if (isCardDavAddressBookName(name))
        return openCardDavAddressBook(name);
    // Stamped before reading, so that a change made during the read is read next time.
    std::optional<AddressBookStamp> stamp = AddressBookStamp::of(name);
    Expected<ContactStoreRead> read = ::openAddressBook(name);
    if (!read) {
        m_openError = read.error();
        return false;
    }
    m_openError.clear();
    m_serverProblem.clear();
    install(std::move(*read), canonicalAddressBookName(name), std::move(stamp));
    m_watcher->watch(*m_addressBookPath);
    return true;
}

// The local copy at once, the server meanwhile; without a copy the book shows as not yet
// readable until the server answers.
bool AppController::openCardDavAddressBook(const QString &name)
{
    const Expected<CardDavTarget> target = CardDavTarget::parse(name, {});
    if (!target || target->user.isEmpty()) {
        m_openError = target ? UiText::tr("Name the user in the address: https://USER@%1/")
                                   .arg(target->url.authority())
                             : target.error();
        return false;
    }
    m_openError.clear();
    m_serverProblem.clear();
    m_watcher->watch(name);
    CardDavAccess offline;
    offline.offline = true;
    if (Expected<ContactStoreRead> copy = readCardDavStore(name, offline)) {
        install(std::move(*copy), name, std::nullopt);
    } else {
        m_addressBookPath = name;
        markMissing(UiText::tr("It is being read from its server."));
    }
    askServer();
    return true;
}

bool AppController::chooseAddressBook(const QString &path)
{
    if (!openAddressBook(path))
        return false;
    if (hasAddressBook())
        m_store.setObject(*m_addressBookPath, SettingsKeys::addressBookPath);
    else
        m_rememberWhenRead = true;
    return true;
}

void AppController::givePassword(const std::optional<QString> &password)
{
    // The book asked for may have been closed while the question was open.
    if (password && m_addressBookPath && isCardDavAddressBookName(*m_addressBookPath))
        askServer(password);
}

bool AppController::isAskingServer() const
{
    return m_cardDav->isRunning();
}

void AppController::askServer(const std::optional<QString> &password)
{
    const QString account = accountOf(*m_addressBookPath);
    if (password) {
        m_typedPasswords.insert(account, *password);
        m_unkeptPasswords.insert(account);
    }
    CardDavAccess access;
    if (const auto typed = m_typedPasswords.constFind(account); typed != m_typedPasswords.cend())
        access.password = *typed;
    m_cardDav->start(*m_addressBookPath, access);
    Q_EMIT serverStateChanged();
}

// The answer of a book no longer open is dropped. A failure keeps the copy shown.
void AppController::serverAnswered()
{
    CardDavRefresher::Result result = m_cardDav->takeResult();
    if (result.name != m_addressBookPath) {
        Q_EMIT serverStateChanged();
        return;
    }
    const QString account = accountOf(result.name);
    if (result.read) {
        m_serverProblem.clear();
        install(std::move(*result.read), result.name, std::nullopt);
        if (std::exchange(m_rememberWhenRead, false))
            m_store.setObject(result.name, SettingsKeys::addressBookPath);
        if (m_unkeptPasswords.remove(account))
            m_cardDav->keepPassword(result.name, m_typedPasswords.value(account));
        Q_EMIT serverStateChanged();
        return;
    }
    // The window asks for the password itself: the store's advice for the command line is
    // not shown there.
    if (result.problem == CardDavProblem::PasswordRefused)
        m_serverProblem = UiText::tr("The server refused the password for %1.").arg(account);
    else if (result.problem == CardDavProblem::NoPassword)
        m_serverProblem = UiText::tr("The password for %1 is needed.").arg(account);
    else
        m_serverProblem = result.read.error();
    if (!hasAddressBook())
        markMissing(m_serverProblem);
    Q_EMIT serverStateChanged();
    if (result.problem == CardDavProblem::Other)
        return;
    m_typedPasswords.remove(account);
    m_unkeptPasswords.remove(account);
    Q_EMIT passwordNeeded(account, result.problem == CardDavProblem::PasswordRefused);
}

bool AppController::refreshAddressBook()
{
    if (!m_addressBookPath)
        return false;
    if (isCardDavAddressBookName(*m_addressBookPath)) {
        askServer();
        return hasAddressBook();
    }
    std::optional<AddressBookStamp> stamp = AddressBookStamp::of(*m_addressBookPath);
    if (hasAddressBook() && stamp && stamp == m_stamp) {
        m_groupModel->reloadGroupNamesTable();
        return true;
    }
    Expected<ContactStoreRead> read = ::openAddressBook(*m_addressBookPath);
    if (!read) {
        markMissing(read.error());
        return false;
    }
    install(std::move(*read), *m_addressBookPath, std::move(stamp));
    return true;
}

void AppController::install(ContactStoreRead read, const QString &name,
                            std::optional<AddressBookStamp> stamp)
{
    m_groupModel->setAddressBook(*read.store); // before the store it refers to goes
    m_read = std::move(read);
    m_addressBookPath = name;
    m_stamp = std::move(stamp);
    m_missingReason.clear();
    readDefaults(m_settings, m_store, SettingsPaths::addressBookPreferencesFile());
    m_groupModel->reloadGroupNamesTable();
    Q_EMIT addressBookChanged();
}

// The group choices are not merged with an empty book here: they would all be lost while a
// sync tool replaces the files, and the ticks are wanted back with the book.
void AppController::markMissing(const QString &reason)
{
    ContactStoreRead none = nothingRead();
    m_groupModel->setAddressBook(*none.store);
    m_read = std::move(none);
    m_stamp.reset();
    m_missingReason = reason;
    Q_EMIT addressBookChanged();
}

qsizetype AppController::contactCount() const
{
    return m_read.store->people().size();
}

void AppController::updatePreview()
{
    readDefaults(m_settings, m_store, SettingsPaths::addressBookPreferencesFile());
    m_previewHtml = m_previewPage.render(CardContext{m_settings, m_store, *m_read.store},
                                         m_store.objectForKey(SettingsKeys::css).toString());
    Q_EMIT previewChanged(m_previewHtml, m_previewPage.baseUrl());
}

Expected<GenerationReport> AppController::generateHTML(const QString &path,
                                                       const GenerationProgress &progress)
{
    m_store.synchronize();
    // A CardDAV book is written as shown: its server is asked in the background, not here.
    if (!m_addressBookPath || !isCardDavAddressBookName(*m_addressBookPath))
        refreshAddressBook();
    if (!hasAddressBook()) {
        const QString why
            = m_missingReason.isEmpty() ? UiText::tr("No address book is open.") : m_missingReason;
        return Unexpected(UiText::tr("There is nothing to export. %@").replace(u"%@"_s, why));
    }
    PageGenerator generator(m_store, m_settings, *m_read.store, m_bundle);
    return generator.generateHTML(path, progress);
}
