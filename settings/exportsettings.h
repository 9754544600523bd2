// SPDX-License-Identifier: GPL-3.0-or-later
// The one snapshot of the settings that a generation and the preview read, so that they never
// touch the store while they work and a generation runs on one consistent set of choices.
#pragma once

#include "settings/groupchoice.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class PreferencesStore;

struct ExportSettings
{
    bool sortByLast = true;
    bool includeImage = true;
    bool includeGenericImages = true;
    bool includeJobTitle = true;
    bool includeOrganization = true;
    bool includePhone = true;
    bool includeEmail = true;
    bool includeWeb = true;
    bool includeAIM = true;
    bool includeYahoo = true;
    bool includeICQ = true;
    bool includeMSN = true;
    bool includeJabber = true;
    bool includePostal = true;
    bool includeNote = true;
    bool includeDate = true;
    bool includeRelatedName = true;
    bool includeInstantMessaging = true;

    // Exactly as stored: "" is a cleared scheme (no link), absent is no setting at all.
    std::optional<QString> phoneURIScheme;
    std::optional<QString> emailURIScheme;
    std::optional<QString> webURIScheme;
    std::optional<QString> aimURIScheme;
    std::optional<QString> yahooURIScheme;
    std::optional<QString> icqURIScheme;
    std::optional<QString> msnURIScheme;
    std::optional<QString> jabberURIScheme;
    std::optional<QString> postalURIScheme;
    std::optional<QString> noteURIScheme;
    std::optional<QString> dateURIScheme;
    std::optional<QString> relatedNameURIScheme;

    std::optional<QList<int>> dataOrder;
    std::optional<QList<GroupChoice>> groupsToUse;
    /// The address book's own phone formats, in its order.
    std::optional<QStringList> gPhoneNumberFormats;

    [[nodiscard]] bool operator==(const ExportSettings &other) const = default;
};

/// Refreshes settings from store, and the phone formats from addressBookPreferences (the
/// address book's preference file; its absence leaves the formats absent).
void readDefaults(ExportSettings &settings, const PreferencesStore &store,
                  const QString &addressBookPreferences);
