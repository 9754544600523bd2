// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/letterindex.h"

using namespace Qt::StringLiterals;

std::optional<LetterIndex> letterIndexFromName(QStringView name)
{
    for (const LetterIndex index : {LetterIndex::Latin, LetterIndex::Locale}) {
        if (name == letterIndexName(index))
            return index;
    }
    return std::nullopt;
}

QString letterIndexName(LetterIndex index)
{
    return index == LetterIndex::Locale ? u"locale"_s : u"latin"_s;
}
