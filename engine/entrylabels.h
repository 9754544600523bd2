// SPDX-License-Identifier: GPL-3.0-or-later
// The labels entries show, each worked out once per card context: a shown label is the
// stored one in the page's language and capitalised, which takes a dozen replacements, while
// an address book repeats a handful of labels on every contact.
//
//   EntryLabels labels(PageLanguage::builtIn());
//   const QString &shown = labels.shown(u"_$!<Home>!$_"_s); // "Home"
#pragma once

#include <QHash>
#include <QString>

class PageLanguage;

class EntryLabels final
{
public:
    explicit EntryLabels(const PageLanguage &language);

    /// The label an entry with storedLabel shows: as the page's reader reads it. A label
    /// with capitals of its own inside a word ("iPhone", "eBay") is shown as written; any
    /// other is title-cased on an English page ("Work Fax") and given a capital first
    /// letter in other languages, whose labels are not title-cased ("Fax privat").
    [[nodiscard]] const QString &shown(const QString &storedLabel);

private:
    const PageLanguage *m_language;
    QHash<QString, QString> m_shown;
};
