// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsobserver.h"

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
    static const QStringList keyPaths = [] {
        using namespace SettingsKeys;
        QStringList paths;
        for (const QString *key : {&sortByLast,
                                   &includeImage,
                                   &includeGenericImages,
                                   &includeJobTitle,
                                   &includeOrganization,
                                   &includePhone,
                                   &includeEmail,
                                   &includeWeb,
                                   &includeAIM,
                                   &includeYahoo,
                                   &includeICQ,
                                   &includeMSN,
                                   &includeJabber,
                                   &includePostal,
                                   &includeNote,
                                   &includeDate,
                                   &includeRelatedName,
                                   &includeInstantMessaging,
                                   &phoneURIScheme,
                                   &emailURIScheme,
                                   &webURIScheme,
                                   &aimURIScheme,
                                   &yahooURIScheme,
                                   &icqURIScheme,
                                   &msnURIScheme,
                                   &jabberURIScheme,
                                   &postalURIScheme,
                                   &noteURIScheme,
                                   &dateURIScheme,
                                   &relatedNameURIScheme,
                                   &css,
                                   &dataOrder})
            paths.append(u"values."_s + *key);
        return paths;
    }();
    return keyPaths;
}

void SettingsObserver::observeValueForKeyPath(const QString &keyPath)
{
    if (observedKeyPaths().contains(keyPath))
        Q_EMIT observedValueChanged(keyPath);
}
