// SPDX-License-Identifier: GPL-3.0-or-later
// The two questions the window asks about a CardDAV address book: its address, and the
// password of its account. Both are window-modal and return at once; the answer comes
// through the callback (none for a password when the user cancels).
//
//   CardDavPrompts::askAddress(window, [this](const QString &url) { chooseAddressBook(url); });
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace CardDavPrompts {

/// Asks for the address of a book or of an account's server, with the user in it.
void askAddress(QWidget *window, std::function<void(const QString &)> chosen);
/// Asks for account's password; refused says the one given before was not taken.
void askPassword(QWidget *window, const QString &account, bool refused,
                 std::function<void(const std::optional<QString> &)> answered);

} // namespace CardDavPrompts
