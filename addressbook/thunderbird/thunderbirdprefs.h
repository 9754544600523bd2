// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences a profile of Thunderbird keeps in its prefs.js: one line
// user_pref("name", value); each, the value a string (with JavaScript's escapes), an integer
// or true/false, between comments. Only what is written there is known; Thunderbird's own
// defaults are not. A line that is not of that form is passed over.
//
//   const ThunderbirdPrefs prefs = ThunderbirdPrefs::parse(bytes);
//   prefs.text(u"ldap_2.servers.pab.description"_s)   // "Family", or none
#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

class ThunderbirdPrefs final
{
public:
    [[nodiscard]] static ThunderbirdPrefs parse(QByteArrayView text);
    /// The prefs.js of a profile folder; none known when it is missing or cannot be read.
    [[nodiscard]] static ThunderbirdPrefs readProfile(const QString &folder);

    /// The value of a string preference, or none (also for a number or a truth value).
    [[nodiscard]] std::optional<QString> text(const QString &name) const;
    /// The value of an integer preference, or none.
    [[nodiscard]] std::optional<qint64> integer(const QString &name) const;
    /// Every name that starts with prefix, in the order of the file.
    [[nodiscard]] QStringList namesStartingWith(const QString &prefix) const;

private:
    QHash<QString, QVariant> m_values;
    QStringList m_names;
};
