// SPDX-License-Identifier: GPL-3.0-or-later
// A text with its hash, worked out where the text is made: the threads that read the cards
// hash identifiers and references, and the one thread that puts the store together in order
// only looks them up.
//
//   QSet<VCardHashedText> taken;
//   taken.insert(VCardHashedText(u"ann:ABPerson"_s));
#pragma once

#include <QHashFunctions>
#include <QString>

struct VCardHashedText
{
    VCardHashedText() = default;
    explicit VCardHashedText(QString value)
        : text(std::move(value))
        , hash(qHash(text, QHashSeed::globalSeed()))
    {}

    bool operator==(const VCardHashedText &other) const
    {
        return hash == other.hash && text == other.text;
    }

    QString text;
    std::size_t hash = qHash(QString(), QHashSeed::globalSeed());
};

/// The hash made with the text; QHash's seed is in it already.
inline std::size_t qHash(const VCardHashedText &text, std::size_t /*seed*/ = 0)
{
    return text.hash;
}
