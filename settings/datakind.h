// SPDX-License-Identifier: GPL-3.0-or-later
// The one table of the kinds of contact data that a card shows, in the numbering that
// "dataOrder" stores, and of the five messaging services inside the messaging kind: their
// preference keys, registered link schemes, texts of the "ui" table and classes on the page.
// Everything that handles a kind (the snapshot, the registered defaults, the card writer,
// the window's rows) reads it from here, indexed by the enum.
//
//   for (const DataKindInfo &row : dataKinds())
//       addRow(UiText::tr(row.rowTitle), row.includeKey, row.schemeKey, row.placeholder);
#pragma once

#include <QList>
#include <QStringView>
#include <QVariant>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

enum class DataKind : std::uint8_t {
    Phone = 0,
    Email = 1,
    Web = 2,
    Dates = 3,
    RelatedNames = 4,
    InstantMessaging = 5,
    Postal = 6,
    Note = 7,
};
inline constexpr std::size_t kDataKindCount = 8;

/// In the order their entries appear on a card.
enum class MessagingService : std::uint8_t {
    AIM = 0,
    ICQ = 1,
    Jabber = 2,
    MSN = 3,
    Yahoo = 4,
};
inline constexpr std::size_t kMessagingServiceCount = 5;

struct DataKindInfo
{
    DataKind kind;
    QStringView rowTitle;   // key into the "ui" table
    QStringView includeKey; // the preference that shows or hides the kind
    // The link scheme's preference, its registered value and the "ui" key of its field's
    // placeholder; all empty for instant messaging, whose services have their own.
    QStringView schemeKey;
    QStringView defaultScheme;
    QStringView placeholder;
    QStringView itemClass;  // the class of each item on the page
    QStringView groupClass; // the prefix of the group's id on the page
};

struct MessagingServiceInfo
{
    MessagingService service;
    QStringView title; // "Yahoo!": its key into the "ui" table and its mark after an address
    QStringView includeKey;
    QStringView schemeKey;
    QStringView defaultScheme;
    QStringView placeholder; // key into the "ui" table
};

/// The eight kinds, row i describing DataKind(i).
[[nodiscard]] const std::array<DataKindInfo, kDataKindCount> &dataKinds();
[[nodiscard]] const DataKindInfo &dataKindInfo(DataKind kind);
/// The kind a "dataOrder" entry names, when 0 <= id <= 7.
[[nodiscard]] std::optional<DataKind> dataKindFromId(int id);
/// The order a stored "dataOrder" gives, always each of the eight kinds once: its entries
/// that name a kind, each at its first place, then the kinds it lacks in their default order.
/// A hand-edited value thus shows the same in the rows, the preview and the page.
[[nodiscard]] QList<int> dataOrderFromSetting(const QVariant &stored);

/// The five services, row i describing MessagingService(i).
[[nodiscard]] const std::array<MessagingServiceInfo, kMessagingServiceCount> &messagingServices();
[[nodiscard]] const MessagingServiceInfo &messagingServiceInfo(MessagingService service);
