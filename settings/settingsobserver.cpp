// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsobserver.h"

#include "settings/datakind.h"
#include "settings/preferencesstore.h"
#include "settings/settingskeys.h"

using namespace Qt::StringLiterals;

SettingsObserver::SettingsObserver(PreferencesStore &store, QObject *parent)
    : QObject(parent)
{
    connect(&store, &PreferencesStore::valueChanged, this,
            [this](const QString &key) { observeValueForKeyPath(u"values."_s + key); });
}

const QStringList &SettingsObserver::observedKeyPaths()
{
    static const QStringList kKeyPaths = [] {
        using namespace SettingsKeys;
        QStringList keys{sortByLast, includeImage, includeGenericImages, includeJobTitle,
                         includeOrganization};
        for (const DataKindInfo &row : dataKinds())
            keys.append(row.includeKey.toString());
        for (const MessagingServiceInfo &row : messagingServices())
            keys.append(row.includeKey.toString());
        for (const DataKindInfo &row : dataKinds()) {
            if (!row.schemeKey.isEmpty())
                keys.append(row.schemeKey.toString());
        }
        for (const MessagingServiceInfo &row : messagingServices())
            keys.append(row.schemeKey.toString());
        keys += {css, dataOrder, pageLanguage};
        QStringList paths;
        for (const QString &key : keys)
            paths.append(u"values."_s + key);
        return paths;
    }();
    return kKeyPaths;
}

void SettingsObserver::observeValueForKeyPath(const QString &keyPath)
{
    if (observedKeyPaths().contains(keyPath))
        Q_EMIT observedValueChanged(keyPath);
}
