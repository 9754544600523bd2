// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of contact data that a card shows, in the numbering that "dataOrder" stores,
// with the settings that belong to each; and the five messaging services inside kind 5.
#pragma once

#include <QList>
#include <QString>

#include <optional>

enum class DataKind {
    Phone = 0,
    Email = 1,
    Web = 2,
    Dates = 3,
    RelatedNames = 4,
    InstantMessaging = 5,
    Postal = 6,
    Note = 7,
};

struct DataKindInfo
{
    DataKind kind;
    QString rowTitle; // key into the "ui" table
    QString includeKey;
    QString schemeKey;   // empty for instant messaging, whose services have their own
    QString placeholder; // key into the "ui" table; empty where there is no scheme field
};

struct MessagingServiceInfo
{
    QString title;       // "Yahoo!"; also its key into the "ui" table
    QString name;        // the title without "!"
    QString includeKey;  // "include" + name
    QString schemeKey;   // name in lower case + "URIScheme"
    QString placeholder; // title + " URI Scheme", a key into the "ui" table
};

/// The eight kinds, in id order.
[[nodiscard]] const QList<DataKindInfo> &dataKinds();
/// The kind with this id, when 0 <= id <= 7.
[[nodiscard]] std::optional<DataKindInfo> dataKindInfo(int id);
/// AIM, ICQ, Jabber, MSN, Yahoo!, in this order.
[[nodiscard]] const QList<MessagingServiceInfo> &messagingServices();
