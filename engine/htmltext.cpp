// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/htmltext.h"

#include "util/stringadditions.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using QEV_NSStringAdditionsSubset::snr;

QString cleanValue(const QString &text)
{
    // One pass over the text: brackets become numeric references, line breaks become tags,
    // and an ampersand becomes "&#38;" unless "#6" follows it, so that a reference written
    // as "&#60;" or "&#65;" keeps its ampersand.
    const QStringView view(text);
    const auto special = [](QChar c) {
        return c == u'<' || c == u'>' || c == u'\r' || c == u'\n' || c == u'&';
    };
    if (std::none_of(view.begin(), view.end(), special))
        return text;
    QString cleaned;
    cleaned.reserve(text.size() + text.size() / 4 + 8);
    for (qsizetype i = 0; i < view.size(); ++i) {
        const QChar c = view[i];
        if (c == u'<')
            cleaned += u"&#60;";
        else if (c == u'>')
            cleaned += u"&#62;";
        else if (c == u'\r' || c == u'\n')
            cleaned += u"<br>";
        else if (c == u'&' && !view.sliced(i + 1).startsWith(u"#6"))
            cleaned += u"&#38;";
        else
            cleaned += c;
    }
    return cleaned;
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
