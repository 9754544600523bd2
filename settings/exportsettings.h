// SPDX-License-Identifier: GPL-3.0-or-later
// The one snapshot of the settings that a generation and the preview read, so that they never
// touch the store while they work and a generation runs on one consistent set of choices.
#pragma once

#include "settings/datakind.h"
#include "settings/groupchoice.h"
#include "settings/letterindex.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class PreferencesStore;

struct ExportSettings
{
    template<std::size_t count>
    static constexpr std::array<bool, count> allOn()
    {
        std::array<bool, count> on{};
        on.fill(true);
        return on;
    }
    template<typename Enum>
    static constexpr std::size_t index(Enum value)
    {
        return static_cast<std::size_t>(value);
    }

    bool sortByLast = true;
    bool includeImage = true;
    bool includeGenericImages = true;
    bool includeJobTitle = true;
    bool includeOrganization = true;

    /// The page's language as stored: a language code, or "" for the desktop's. The engine
    /// works out the language it names (engine/pagelanguagechoice.h).
    QString pageLanguage;
    /// A stored name that is neither "latin" nor "locale" reads as latin.
    LetterIndex letterIndex = LetterIndex::Latin;

    // Indexed by DataKind and MessagingService; a kind without a scheme of its own (instant
    // messaging) keeps its scheme absent. "" is a cleared scheme (no link), absent is no
    // setting at all.
    std::array<bool, kDataKindCount> includeKind = allOn<kDataKindCount>();
    std::array<std::optional<QString>, kDataKindCount> kindScheme;
    std::array<bool, kMessagingServiceCount> includeService = allOn<kMessagingServiceCount>();
    std::array<std::optional<QString>, kMessagingServiceCount> serviceScheme;

    std::optional<QList<int>> dataOrder;
    std::optional<QList<GroupChoice>> groupsToUse;
    /// The address book's own phone formats, in its order.
    std::optional<QStringList> gPhoneNumberFormats;

    [[nodiscard]] bool &include(DataKind kind) { return includeKind.at(index(kind)); }
    [[nodiscard]] bool include(DataKind kind) const { return includeKind.at(index(kind)); }
    [[nodiscard]] bool &include(MessagingService service)
    {
        return includeService.at(index(service));
    }
    [[nodiscard]] bool include(MessagingService service) const
    {
        return includeService.at(index(service));
    }
    [[nodiscard]] std::optional<QString> &scheme(DataKind kind)
    {
        return kindScheme.at(index(kind));
    }
    [[nodiscard]] const std::optional<QString> &scheme(DataKind kind) const
    {
        return kindScheme.at(index(kind));
    }
    [[nodiscard]] std::optional<QString> &scheme(MessagingService service)
    {
        return serviceScheme.at(index(service));
    }
    [[nodiscard]] const std::optional<QString> &scheme(MessagingService service) const
    {
        return serviceScheme.at(index(service));
    }

    [[nodiscard]] bool operator==(const ExportSettings &other) const = default;
};

/// Refreshes settings from store, and the phone formats from addressBookPreferences (the
/// address book's preference file; its absence leaves the formats absent).
void readDefaults(ExportSettings &settings, const PreferencesStore &store,
                  const QString &addressBookPreferences);
/// Refreshes settings from store alone, keeping the phone formats read before: the address
/// book's file is read once per export, not again by every step of it.
void readStoredSettings(ExportSettings &settings, const PreferencesStore &store);
