// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/appcontroller.h"

#include "addressbook/eds/addressbookname.h"
#include "engine/cardcontext.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "settings/settingsobserver.h"
#include "settings/settingspaths.h"
#include "ui/grouptablemodel.h"
#include "ui/settingsbinder.h"

using namespace Qt::StringLiterals;

AppController::AppController(PreferencesStore &store, Bundle bundle, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_bundle(std::move(bundle))
    , m_addressBook(std::make_unique<MemoryContactStore>())
    , m_previewPage(m_bundle)
    , m_binder(std::make_unique<SettingsBinder>(store))
    , m_observer(std::make_unique<SettingsObserver>(store))
    , m_groupModel(std::make_unique<GroupTableModel>(m_settings, store, *m_addressBook))
{
    connect(m_observer.get(), &SettingsObserver::observedValueChanged, this,
            &AppController::updatePreview);
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
    Expected<ContactStoreRead> read = ::openAddressBook(name);
    if (!read) {
        m_openError = read.error();
        return false;
    }
    m_openError.clear();
    // The group model refers to the store, so it moves to the new one before the old goes.
    m_groupModel->setAddressBook(*read->store);
    m_addressBook = std::move(read->store);
    m_addressBookPath = canonicalAddressBookName(name);
    m_problems = read->diagnostics;
    readDefaults(m_settings, m_store, SettingsPaths::addressBookPreferencesFile());
    m_groupModel->reloadGroupNamesTable();
    Q_EMIT addressBookChanged();
    return true;
}

bool AppController::chooseAddressBook(const QString &path)
{
    if (!openAddressBook(path))
        return false;
    m_store.setObject(*m_addressBookPath, SettingsKeys::addressBookPath);
    return true;
}

void AppController::updatePreview()
{
    readDefaults(m_settings, m_store, SettingsPaths::addressBookPreferencesFile());
    m_previewHtml = m_previewPage.render(CardContext{m_settings, m_store, *m_addressBook},
                                         m_store.objectForKey(SettingsKeys::css).toString());
    Q_EMIT previewChanged(m_previewHtml, m_previewPage.baseUrl());
}

Expected<GenerationReport> AppController::generateHTML(const QString &path,
                                                       const GenerationProgress &progress)
{
    PageGenerator generator(m_store, m_settings, *m_addressBook, m_bundle);
    return generator.generateHTML(path, progress);
}
