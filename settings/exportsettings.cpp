// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/exportsettings.h"

#include "settings/preferenceboolean.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"
#include "util/propertylist.h"
#include "util/systemlog.h"

#include <QFile>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

// The address book's file belongs to another program: only the one key is read, and a bad
// value anywhere else in it costs nothing.
std::optional<QStringList> readPhoneFormats(const QString &path)
{
    if (!QFile::exists(path))
        return std::nullopt;
    Expected<std::optional<QStringList>> read
        = readPropertyListStrings(path, u"ABPhoneFormat-PhoneFormatter"_s);
    if (!read) {
        systemLog(u"Phone formats not used: %1"_s.arg(read.error()));
        return std::nullopt;
    }
    return std::move(*read);
}

bool readSwitch(const PreferencesStore &store, const QString &key)
{
    return preferenceBoolean(store.objectForKey(key)).value_or(false);
}

std::optional<QString> readString(const PreferencesStore &store, const QString &key)
{
    const QVariant value = store.objectForKey(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

std::optional<QList<GroupChoice>> readGroupsToUse(const PreferencesStore &store)
{
    const QVariant value = store.objectForKey(SettingsKeys::groupsToUse);
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    return groupChoicesFromVariant(value);
}

} // namespace

void readDefaults(ExportSettings &settings, const PreferencesStore &store,
                  const QString &addressBookPreferences)
{
    settings.gPhoneNumberFormats = readPhoneFormats(addressBookPreferences);
    readStoredSettings(settings, store);
}

void readStoredSettings(ExportSettings &settings, const PreferencesStore &store)
{
    using namespace SettingsKeys;
    const std::pair<bool ExportSettings::*, const QString *> switches[] = {
        {&ExportSettings::sortByLast, &sortByLast},
        {&ExportSettings::includeImage, &includeImage},
        {&ExportSettings::includeGenericImages, &includeGenericImages},
        {&ExportSettings::includeJobTitle, &includeJobTitle},
        {&ExportSettings::includeOrganization, &includeOrganization},
    };
    for (const auto &[field, key] : switches)
        settings.*field = readSwitch(store, *key);
    for (const DataKindInfo &row : dataKinds()) {
        settings.include(row.kind) = readSwitch(store, row.includeKey.toString());
        if (!row.schemeKey.isEmpty())
            settings.scheme(row.kind) = readString(store, row.schemeKey.toString());
    }
    for (const MessagingServiceInfo &row : messagingServices()) {
        settings.include(row.service) = readSwitch(store, row.includeKey.toString());
        settings.scheme(row.service) = readString(store, row.schemeKey.toString());
    }

    const QVariant order = store.objectForKey(SettingsKeys::dataOrder);
    settings.dataOrder
        = order.isValid() ? std::optional(dataOrderFromSetting(order)) : std::nullopt;
    settings.groupsToUse = readGroupsToUse(store);
    settings.pageLanguage = store.objectForKey(SettingsKeys::pageLanguage).toString();
    settings.letterIndex
        = letterIndexFromName(store.objectForKey(SettingsKeys::letterIndex).toString())
              .value_or(LetterIndex::Latin);
}
