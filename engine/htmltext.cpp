// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/htmltext.h"

#include "util/stringadditions.h"

using namespace Qt::StringLiterals;
using QEV_NSStringAdditionsSubset::snr;

QString cleanValue(const QString &text)
{
    // The order matters: line breaks become tags only after the brackets are escaped, and
    // the last step gives back the ampersand of every numeric reference ("&#60;", "&#65;").
    QString cleaned = snr(text, u"<"_s, u"&#60;"_s);
    cleaned = snr(cleaned, u">"_s, u"&#62;"_s);
    cleaned = snr(cleaned, u"\r"_s, u"<br>"_s);
    cleaned = snr(cleaned, u"\n"_s, u"<br>"_s);
    cleaned = snr(cleaned, u"&"_s, u"&#38;"_s);
    return snr(cleaned, u"&#38;#6"_s, u"&#6"_s);
}

QString attributeForm(const QString &cleanedText)
{
    return snr(cleanedText, u"\""_s, u"&#34;"_s);
}

QString linkTarget(const QString &scheme, const QString &linkValue)
{
    QString target;
    if (scheme.contains(u"%@"_s))
        target = snr(scheme, u"%@"_s, linkValue);
    else if (linkValue.startsWith(scheme))
        target = linkValue;
    else
        target = scheme + linkValue;
    return snr(target, u"\""_s, u"%22"_s);
}

QString makeDataItem(const QString &cssClass, const QString &label, const QString &scheme,
                     const QString &value, const QString &linkValue, const QString &valueSuffix)
{
    const QString shown = cleanValue(value);
    const QString valuePart = scheme.isEmpty()
        ? shown
        : u"<a href=\"%1\">%2</a>"_s.arg(linkTarget(scheme, linkValue), shown);
    return u"\t\t\t\t<div class=\"%1\"><span class=\"label\">%2</span><span "
           "class=\"value\">%3%4</span></div>\n"_s.arg(cssClass, cleanValue(label), valuePart,
                                                       cleanValue(valueSuffix));
}
