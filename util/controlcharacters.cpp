// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/controlcharacters.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Every control character: those a page leaves out, and tab and the line breaks.
bool isControl(QChar c)
{
    return c.unicode() < 0x20 || isPageControl(c);
}

// A carriage return is escaped too: on a terminal it moves back over what the line showed.
bool isMessageControl(QChar c)
{
    return isControl(c) && c != u'\t' && c != u'\n';
}

} // namespace

QString withoutPageControls(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), isPageControl))
        return text;
    QString kept = text;
    kept.removeIf(isPageControl);
    return kept;
}

QString visibleControls(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), isMessageControl))
        return text;
    QString shown;
    shown.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (isMessageControl(c))
            shown += u"\\x"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
        else
            shown += c;
    }
    return shown;
}
