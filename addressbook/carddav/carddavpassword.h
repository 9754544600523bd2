// SPDX-License-Identifier: GPL-3.0-or-later
// Where the password of a CardDAV account comes from: the desktop's keyring (the Secret
// Service, through libsecret, under the server's address and the user) or a file of the
// user's own. It is never kept in the preferences or the local copy and never taken from a
// command line. A file that anyone but its owner may read or write is refused, as ssh refuses
// such a key.
//
//   Expected<std::optional<QString>> stored = CardDavPassword::fromKeyring(target);
//   Expected<void> saved = CardDavPassword::saveInKeyring(target, password);
#pragma once

#include "addressbook/carddav/carddavname.h"
#include "util/expected.h"

#include <QString>

#include <optional>

namespace CardDavPassword {

/// The first line of the file at path, without its line end.
[[nodiscard]] Expected<QString> fromFile(const QString &path);
/// The password kept for the target's server and user; none when none is kept. Fails when the
/// keyring cannot be reached or is locked.
[[nodiscard]] Expected<std::optional<QString>> fromKeyring(const CardDavTarget &target);
/// Keeps password for the target's server and user, replacing the one kept before.
[[nodiscard]] Expected<void> saveInKeyring(const CardDavTarget &target, const QString &password);

} // namespace CardDavPassword
