// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/htmltext.h"

#include "util/controlcharacters.h"
#include "util/stringadditions.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;
using QEV_NSStringAdditionsSubset::snr;

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isSchemeCharacter(QChar c)
{
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.';
}

// "https://example.org" or "ftp://host": a letter, then scheme characters, then "://". Such a
// value names its own scheme, and another in front of it would break the link.
bool hasOwnSchemeAndAuthority(QStringView value)
{
    const qsizetype colon = value.indexOf(u':');
    if (colon < 1 || !isAsciiLetter(value.front()) || !value.sliced(colon + 1).startsWith(u"//"))
        return false;
    const QStringView scheme = value.first(colon);
    return std::all_of(scheme.begin(), scheme.end(), isSchemeCharacter);
}

// Browsers pass over blanks and control characters before and inside a scheme and compare it
// without case, so " JavA\tScript:" still runs. Anything of that kind, and a little more,
// counts here.
bool opensScript(QStringView target)
{
    static const QStringList kScriptSchemes{u"javascript"_s, u"vbscript"_s, u"data"_s};
    constexpr qsizetype kLongestKept = 10;
    std::array<QChar, kLongestKept> scheme{};
    qsizetype length = 0;
    for (const QChar c : target) {
        if (c == u':') {
            const QStringView kept(scheme.data(), length);
            return std::ranges::any_of(kScriptSchemes, [kept](const QString &script) {
                return kept.compare(script, Qt::CaseInsensitive) == 0;
            });
        }
        if (c.isSpace() || c.category() == QChar::Other_Control
            || c.category() == QChar::Other_Format)
            continue;
        if (length == kLongestKept)
            return false;
        scheme[std::size_t(length++)] = c;
    }
    return false;
}

QString joinedTarget(const QString &scheme, const QString &linkValue)
{
    if (scheme.contains(u"%@"_s))
        return snr(scheme, u"%@"_s, linkValue);
    if (linkValue.startsWith(scheme) || hasOwnSchemeAndAuthority(linkValue))
        return linkValue;
    return scheme + linkValue;
}

// The attribute's own characters cannot come from contact text: a quote would end it early,
// and a character reference ("&#106;") is decoded before the browser reads the scheme. The
// brackets are written as references too, as in element text; the browser reads them back.
bool isHrefSpecial(QChar c)
{
    return c == u'"' || c == u'&' || c == u'<' || c == u'>' || isPageControl(c);
}

QString hrefForm(const QString &target)
{
    if (std::none_of(target.begin(), target.end(), isHrefSpecial))
        return target;
    QString href;
    href.reserve(target.size() + 8);
    for (const QChar c : target) {
        if (c == u'"')
            href += u"%22";
        else if (c == u'&')
            href += u"&#38;";
        else if (c == u'<')
            href += u"&#60;";
        else if (c == u'>')
            href += u"&#62;";
        else if (!isPageControl(c))
            href += c;
    }
    return href;
}

} // namespace

QString cleanValue(const QString &text)
{
    // One pass over the text: brackets become numeric references, line breaks become tags,
    // an ampersand becomes "&#38;" unless "#6" follows it (so that a reference written as
    // "&#60;" or "&#65;" keeps its ampersand), and stray control characters are dropped.
    const QStringView view(text);
    const auto special = [](QChar c) {
        return c == u'<' || c == u'>' || c == u'\r' || c == u'\n' || c == u'&' || isPageControl(c);
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
        else if (!isPageControl(c))
            cleaned += c;
    }
    return cleaned;
}

QString attributeForm(const QString &cleanedText)
{
    return snr(cleanedText, u"\""_s, u"&#34;"_s);
}

QString styleElementText(const QString &css)
{
    // The parser ends the element at "</style" followed by a blank, "/" or ">"; every
    // "</style" is escaped, so no trick with what follows can slip through. Within a comment
    // the backslash is only text.
    static const QRegularExpression kEndTag(u"</(?=style)"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    return QString(css).replace(kEndTag, u"<\\/"_s);
}

std::optional<QString> linkTarget(const QString &scheme, const QString &linkValue)
{
    const QString target = joinedTarget(scheme, linkValue);
    if (opensScript(target))
        return std::nullopt;
    return hrefForm(target);
}

QString makeDataItem(QStringView cssClass, const QString &label, const QString &scheme,
                     const QString &value, const QString &linkValue, const QString &valueSuffix)
{
    QString item;
    appendDataItem(item, cssClass, label, scheme, value, linkValue, valueSuffix);
    return item;
}

void appendDataItem(QString &out, QStringView cssClass, const QString &label, const QString &scheme,
                    const QString &value, const QString &linkValue, const QString &valueSuffix)
{
    const QString shown = cleanValue(value);
    const std::optional<QString> target
        = scheme.isEmpty() ? std::nullopt : linkTarget(scheme, linkValue);
    // Each piece is placed once, with one check for room per line of code.
    out += u"\t\t\t\t<div class=\"" + cssClass + u"\"><span class=\"label\">" + cleanValue(label)
        + u"</span><span class=\"value\">";
    if (target)
        out += u"<a href=\"" + *target + u"\">" + shown + u"</a>";
    else
        out += shown;
    out += cleanValue(valueSuffix) + u"</span></div>\n";
}
