// SPDX-License-Identifier: GPL-3.0-or-later
// Lays phone numbers out in the address book's own formats, where each "#" takes one digit
// of the number and every other character is copied; a number no format fits is shown as
// stored.
//
//   formatPhoneNumber(u"415 555 1234"_s, QStringList{u"+1 (###) ###-####"_s})
//   // "+1 (415) 555-1234"
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// The number in the best-fitting format: formats whose literal digits begin the number's
/// digits first (longest first), then the others in list order. Unchanged when the list is
/// absent or no format fits.
[[nodiscard]] QString formatPhoneNumber(const QString &number,
                                        const std::optional<QStringList> &formats);

/// The number laid out in format, or nothing when its digits do not fill the format exactly.
/// A number without digits comes back unchanged.
[[nodiscard]] std::optional<QString> formatPhoneNumber(const QString &number,
                                                       const QString &format);
