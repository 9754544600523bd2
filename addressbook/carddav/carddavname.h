// SPDX-License-Identifier: GPL-3.0-or-later
// A CardDAV address book is named by its URL: a collection
// ("https://ann@dav.example.org/dav/addressbooks/ann/contacts/") or the account's server
// ("https://ann@dav.example.org/"), whose books are found by discovery. The user may come
// from the URL or be given apart; a password never comes from the URL, since names are
// remembered in preferences and typed on command lines. Plain http:// is taken only for a
// loopback address, where nothing crosses a network.
//
//   Expected<CardDavTarget> target = CardDavTarget::parse(name, user);
//   if (!target) fail(target.error());
#pragma once

#include "util/expected.h"

#include <QString>
#include <QUrl>

struct CardDavTarget
{
    QUrl url;     // without user information, the path ending in "/"
    QString user; // empty when neither the URL nor the caller gave one

    /// Reads name, taking user when the URL names none.
    [[nodiscard]] static Expected<CardDavTarget> parse(const QString &name, const QString &user);

    /// The URL with the user, as --address-book takes it and messages show it.
    [[nodiscard]] QString name() const;
    /// What the account is known by: scheme, user, host and port.
    [[nodiscard]] QString accountName() const;
};

/// Whether the name is a CardDAV address book (an http:// or https:// URL).
[[nodiscard]] bool isCardDavAddressBookName(const QString &name);
/// Whether url may be spoken to in the clear: its host is a loopback address.
[[nodiscard]] bool isLoopbackUrl(const QUrl &url);
/// The url as messages show it: with a user, never with a password.
[[nodiscard]] QString shownUrl(const QUrl &url);
