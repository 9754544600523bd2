// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/pagehead.h"

#include "engine/pagelanguage.h"

using namespace Qt::StringLiterals;

QString htmlStartTag(const PageLanguage &language)
{
    if (language.isEnglish())
        return u"<html>"_s;
    const QString direction = language.isRightToLeft() ? u" dir=\"rtl\""_s : QString();
    return u"<html lang=\"%1\"%2>"_s.arg(language.code(), direction);
}

QString directionStyleElement(const PageLanguage &language)
{
    if (!language.isRightToLeft())
        return {};
    // The grid and the index mirror by themselves. Labels stand against their values; each
    // value, name and title takes the direction of its own text, so numbers and addresses
    // still read left to right; on paper a letter's heading keeps its pixel on the other side.
    return u"\t<style type=\"text/css\" media=\"all\">\n"
           "[dir=rtl] .label { text-align: left; }\n"
           "[dir=rtl] .value, [dir=rtl] .contactname, [dir=rtl] .jobtitle, "
           "[dir=rtl] .organization { unicode-bidi: plaintext; text-align: right; }\n"
           "@media print {\n"
           "\t[dir=rtl] .toc_anchor { margin: 0 1px 0 -100%; }\n"
           "\t[dir=rtl] .toc_anchor + .card { margin-left: 0; margin-right: -1px; }\n"
           "}\n"
           "\t</style>\n"_s;
}
