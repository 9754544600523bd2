// SPDX-License-Identifier: GPL-3.0-or-later
// The labels entries show, each worked out once per card context: a shown label is the
// stored one translated and title-cased, which takes a dozen replacements, while an address
// book repeats a handful of labels on every contact.
//
//   EntryLabels labels;
//   const QString &shown = labels.shown(u"_$!<Home>!$_"_s); // "Home"
#pragma once

#include <QHash>
#include <QString>

class EntryLabels final
{
public:
    /// The label an entry with storedLabel shows: as the user reads it, in title case.
    [[nodiscard]] const QString &shown(const QString &storedLabel);

private:
    QHash<QString, QString> m_shown;
};
