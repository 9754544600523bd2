// SPDX-License-Identifier: GPL-3.0-or-later
// The application's logic behind the window: the one settings snapshot, the address book as
// it is now (followed while the window is open, read again when it changed; a CardDAV book
// shows its local copy at once and is brought up to date from its server in the background,
// asking the window for a password where the keyring has none), the group table,
// the preview page that follows the observed settings, and the generation. Widgets show and
// forward; tests drive this class without them.
//
//   AppController controller(PreferencesStore::standard(), Bundle::main());
//   controller.openAddressBook(controller.startAddressBookPath(commandLinePath));
//   connect(&controller, &AppController::previewChanged, preview, &LivePreview::showPage);
//   controller.updatePreview();
#pragma once

#include "addressbook/eds/addressbookstamp.h"
#include "addressbook/memorycontactstore.h"
#include "addressbook/vcard/vcardstore.h"
#include "engine/pagegenerator.h"
#include "engine/previewpage.h"
#include "settings/exportsettings.h"
#include "util/bundle.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

class AddressBookWatcher;
class CardDavRefresher;
class GroupTableModel;
class PreferencesStore;
class SettingsBinder;
class SettingsObserver;

class AppController final : public QObject
{
    Q_OBJECT

public:
    AppController(PreferencesStore &store, Bundle bundle, QObject *parent = nullptr);
    ~AppController() override;

    [[nodiscard]] PreferencesStore &store() const { return m_store; }
    [[nodiscard]] const Bundle &bundle() const { return m_bundle; }
    [[nodiscard]] ExportSettings &settings() { return m_settings; }
    [[nodiscard]] SettingsBinder &binder() const { return *m_binder; }
    [[nodiscard]] GroupTableModel &groupModel() const { return *m_groupModel; }

    /// The address book to open at start: the command line's, else the stored
    /// "addressBookPath", else the desktop's contacts folder; none when there is none.
    [[nodiscard]] std::optional<QString>
    startAddressBookPath(const std::optional<QString> &commandLine) const;
    /// Reads the address book of that name (a path, "eds:" or "eds:<source-uid>") and
    /// refreshes the group table. False when it cannot be opened (openError() says why); the
    /// previous address book stays then. A CardDAV book's local copy is shown at once (or
    /// none while there is none) and its server asked meanwhile: serverStateChanged() tells
    /// how that went.
    bool openAddressBook(const QString &name);
    /// Open Address Book: also remembers the name as "addressBookPath" (a CardDAV book once
    /// it could be read).
    bool chooseAddressBook(const QString &name);
    /// Answers passwordNeeded(): reads the book again with password (kept in the keyring
    /// once the server takes it), or, when none is given, stays with what is shown.
    void givePassword(const std::optional<QString> &password);
    /// A CardDAV book's server is being asked.
    [[nodiscard]] bool isAskingServer() const;
    /// Why the CardDAV book's server could not be read the last time it was asked, or empty.
    [[nodiscard]] const QString &serverProblem() const { return m_serverProblem; }
    /// Refresh: reads the open address book again when it changed (a file or folder whose files
    /// are all unchanged is not parsed again; the desktop's is always asked), then merges the
    /// group table with the groups it has now, keeping the ticks. False when the book can no
    /// longer be read: missingReason() says why, no contact of it is kept, and the stored group
    /// choices stay for when it is back. Runs by itself when the book changes.
    bool refreshAddressBook();
    /// Why the last openAddressBook failed, or empty.
    [[nodiscard]] const QString &openError() const { return m_openError; }
    /// An address book is open and could be read the last time it was asked.
    [[nodiscard]] bool hasAddressBook() const
    {
        return m_addressBookPath.has_value() && m_missingReason.isEmpty();
    }
    /// Why the open address book can no longer be read, or empty.
    [[nodiscard]] const QString &missingReason() const { return m_missingReason; }
    [[nodiscard]] const std::optional<QString> &addressBookPath() const
    {
        return m_addressBookPath;
    }
    /// The open address book as last read (empty while none can be read).
    [[nodiscard]] const ContactStore &addressBook() const { return *m_read.store; }
    [[nodiscard]] qsizetype contactCount() const;
    /// The problems met reading the open address book, one line each (details to show).
    [[nodiscard]] const QStringList &addressBookProblems() const { return m_read.diagnostics; }
    /// How many problems there were, and how many of them left a whole file out.
    [[nodiscard]] qsizetype problemCount() const { return m_read.problemCount; }
    [[nodiscard]] qsizetype unreadFileCount() const { return m_read.unreadFiles; }

    /// Refreshes the snapshot and renders the sample card's page.
    void updatePreview();
    [[nodiscard]] const QString &previewHtml() const { return m_previewHtml; }
    [[nodiscard]] QUrl previewBaseUrl() const { return m_previewPage.baseUrl(); }

    /// Writes the page of the address book as it is now to path, reporting progress; the
    /// settings are saved first. Writes nothing, and says so, when no address book can be read.
    [[nodiscard]] Expected<GenerationReport> generateHTML(const QString &path,
                                                          const GenerationProgress &progress = {});

Q_SIGNALS:
    void previewChanged(const QString &html, const QUrl &baseUrl);
    void addressBookChanged();
    /// A CardDAV server was asked, or answered: see isAskingServer() and serverProblem().
    void serverStateChanged();
    /// The CardDAV account needs a password (refused: the one given was refused); answer
    /// with givePassword().
    void passwordNeeded(const QString &account, bool refused);
    /// The password was taken but could not be kept in the keyring, for the reason given.
    void passwordNotKept(const QString &reason);

private:
    /// Makes read the open address book of that name.
    void install(ContactStoreRead read, const QString &name, std::optional<AddressBookStamp> stamp);
    /// Shows no contact of the open book, which can no longer be read, keeping its name.
    void markMissing(const QString &reason);
    bool openCardDavAddressBook(const QString &name);
    void askServer(const std::optional<QString> &password = {});
    void serverAnswered();

    PreferencesStore &m_store;
    Bundle m_bundle;
    ExportSettings m_settings;
    ContactStoreRead m_read; // its store is the open address book
    std::optional<QString> m_addressBookPath;
    std::optional<AddressBookStamp> m_stamp; // of the files last read
    QString m_missingReason;
    QString m_openError;
    PreviewPage m_previewPage;
    QString m_previewHtml;
    std::unique_ptr<SettingsBinder> m_binder;
    std::unique_ptr<SettingsObserver> m_observer;
    std::unique_ptr<GroupTableModel> m_groupModel;
    std::unique_ptr<AddressBookWatcher> m_watcher;
    std::unique_ptr<CardDavRefresher> m_cardDav;
    QString m_serverProblem;
    bool m_rememberWhenRead = false; // a chosen CardDAV book, remembered once it can be read
    QHash<QString, QString> m_typedPasswords; // by account, for this session only
    QSet<QString> m_unkeptPasswords;          // typed, to keep once the server takes them
};
