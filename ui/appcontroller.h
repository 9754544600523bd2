// SPDX-License-Identifier: GPL-3.0-or-later
// The application's logic behind the window: the one settings snapshot, the address book,
// the group table, the preview page that follows the 32 observed settings, and the
// generation. Widgets show and forward; tests drive this class without them.
//
//   AppController controller(PreferencesStore::standard(), Bundle::main());
//   controller.openAddressBook(controller.startAddressBookPath(commandLinePath));
//   connect(&controller, &AppController::previewChanged, preview, &LivePreview::showPage);
//   controller.updatePreview();
#pragma once

#include "addressbook/memorycontactstore.h"
#include "engine/pagegenerator.h"
#include "engine/previewpage.h"
#include "settings/exportsettings.h"
#include "util/bundle.h"

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

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
    /// previous address book stays then.
    bool openAddressBook(const QString &name);
    /// Open Address Book: also remembers the name as "addressBookPath".
    bool chooseAddressBook(const QString &name);
    /// Why the last openAddressBook failed, or empty.
    [[nodiscard]] const QString &openError() const { return m_openError; }
    [[nodiscard]] bool hasAddressBook() const { return m_addressBookPath.has_value(); }
    [[nodiscard]] const std::optional<QString> &addressBookPath() const
    {
        return m_addressBookPath;
    }
    /// The cards of the open address book that could not be read, one line each.
    [[nodiscard]] const QStringList &addressBookProblems() const { return m_problems; }

    /// Refreshes the snapshot and renders the sample card's page.
    void updatePreview();
    [[nodiscard]] const QString &previewHtml() const { return m_previewHtml; }
    [[nodiscard]] QUrl previewBaseUrl() const { return m_previewPage.baseUrl(); }

    /// Writes the page to path, reporting progress.
    [[nodiscard]] Expected<GenerationReport> generateHTML(const QString &path,
                                                          const GenerationProgress &progress = {});

Q_SIGNALS:
    void previewChanged(const QString &html, const QUrl &baseUrl);
    void addressBookChanged();

private:
    PreferencesStore &m_store;
    Bundle m_bundle;
    ExportSettings m_settings;
    std::unique_ptr<MemoryContactStore> m_addressBook;
    std::optional<QString> m_addressBookPath;
    QStringList m_problems;
    QString m_openError;
    PreviewPage m_previewPage;
    QString m_previewHtml;
    std::unique_ptr<SettingsBinder> m_binder;
    std::unique_ptr<SettingsObserver> m_observer;
    std::unique_ptr<GroupTableModel> m_groupModel;
};
