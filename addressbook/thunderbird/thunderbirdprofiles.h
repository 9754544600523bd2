// SPDX-License-Identifier: GPL-3.0-or-later
// Where Thunderbird keeps its address books: its installations below the home folder
// (its own ~/.thunderbird, Flatpak's ~/.var/app/org.mozilla.Thunderbird/.thunderbird and
// Snap's ~/snap/thunderbird/common/.thunderbird), each listing its profiles in profiles.ini,
// and each profile naming its books in prefs.js: ldap_2.servers.<id>.filename, .description
// and .dirType. A local book is a file of type 101 in the profile's folder; the personal book
// (abook.sqlite) and the collected addresses (history.sqlite) are that without a line of their
// own. Directory servers (LDAP) and synchronised books (CardDAV) are not local books.
//
// A book's name is "thunderbird:<profile>/<file>": the profile as profiles.ini names it (its
// folder's name where two profiles share a name), the file in its folder. "thunderbird:" alone
// is the default profile's personal book, "thunderbird:<profile>" that profile's.
//
//   const ThunderbirdProfiles found = ThunderbirdProfiles::find(QDir::homePath());
//   for (const ThunderbirdProfile &profile : found.profiles())
//       for (const ThunderbirdBookFile &book : ThunderbirdProfiles::books(profile)) ...
#pragma once

#include "util/expected.h"

#include <QList>
#include <QString>

/// The name prefix of Thunderbird's address books.
inline constexpr QStringView kThunderbirdScheme = u"thunderbird:";

struct ThunderbirdProfile
{
    QString name;   // as book names give it
    QString folder; // absolute
    QString folderName;
    bool isDefault = false; // the default profile of the first installation that has one
};

struct ThunderbirdBookFile
{
    QString name; // "thunderbird:<profile>/<file>"
    QString description;
    QString path;
    QString profile; // its profile's name, as in name
};

class ThunderbirdProfiles final
{
public:
    /// The profiles of the installations below home, in the order above, each installation's
    /// in the order of its profiles.ini. An installation without one has none.
    [[nodiscard]] static ThunderbirdProfiles find(const QString &home);
    /// The local books of a profile that are there: the personal book first, the collected
    /// addresses last, the others by description.
    [[nodiscard]] static QList<ThunderbirdBookFile> books(const ThunderbirdProfile &profile);

    [[nodiscard]] const QList<ThunderbirdProfile> &profiles() const { return m_profiles; }
    /// The book a name stands for (the part after "thunderbird:"). The file need not exist,
    /// nor be listed; it must be a plain file name. Fails when there is no such profile (or
    /// no default one); the message lists the profiles there are.
    [[nodiscard]] Expected<ThunderbirdBookFile> resolve(const QString &book) const;

private:
    [[nodiscard]] const ThunderbirdProfile *profileNamed(const QString &name) const;

    QString m_home;
    QList<ThunderbirdProfile> m_profiles;
};
