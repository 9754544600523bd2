// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagepromises.h"

#include <QList>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

struct Attribute
{
    QString name;
    QString value;
};

struct Tag
{
    QString name; // lower case, "/name" for an end tag
    QList<Attribute> attributes;
    qsizetype end = 0; // just after the '>'
};

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Reads the tag that starts at page[at] == '<' as a browser would split it.
std::optional<Tag> readTag(QStringView page, qsizetype at)
{
    Tag tag;
    qsizetype i = at + 1;
    while (i < page.size() && !isSpace(page[i]) && page[i] != u'>')
        tag.name += page[i++].toLower();
    while (i < page.size() && page[i] != u'>') {
        if (isSpace(page[i]) || page[i] == u'/') {
            ++i;
            continue;
        }
        Attribute attribute;
        while (i < page.size() && !isSpace(page[i]) && page[i] != u'=' && page[i] != u'>')
            attribute.name += page[i++].toLower();
        if (i < page.size() && page[i] == u'=') {
            ++i;
            const QChar quote = i < page.size() ? page[i] : QChar();
            if (quote == u'"' || quote == u'\'') {
                const qsizetype close = page.indexOf(quote, i + 1);
                if (close < 0)
                    return std::nullopt;
                attribute.value = page.sliced(i + 1, close - i - 1).toString();
                i = close + 1;
            } else {
                while (i < page.size() && !isSpace(page[i]) && page[i] != u'>')
                    attribute.value += page[i++];
            }
        }
        tag.attributes.append(attribute);
    }
    if (i >= page.size())
        return std::nullopt;
    tag.end = i + 1;
    return tag;
}

// An attribute value as the browser reads it: character references resolved.
QString decodedValue(const QString &value)
{
    QString decoded;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const qsizetype semicolon = value[i] == u'&' ? value.indexOf(u';', i) : -1;
        if (semicolon < 0) {
            decoded += value[i];
            continue;
        }
        const QStringView entity = QStringView(value).sliced(i + 1, semicolon - i - 1);
        static const QList<std::pair<QString, QString>> kNamed{
            {u"amp"_s, u"&"_s},   {u"lt"_s, u"<"_s},   {u"gt"_s, u">"_s},
            {u"quot"_s, u"\""_s}, {u"apos"_s, u"'"_s}, {u"nbsp"_s, u"\u00a0"_s}};
        bool ok = false;
        const uint code = entity.startsWith(u"#x", Qt::CaseInsensitive)
            ? entity.sliced(2).toUInt(&ok, 16)
            : (entity.startsWith(u'#') ? entity.sliced(1).toUInt(&ok, 10) : 0);
        QString replacement;
        for (const auto &[name, text] : kNamed) {
            if (entity == name)
                replacement = text;
        }
        if (ok && code > 0 && code <= 0x10FFFF) {
            const auto character = static_cast<char32_t>(code);
            replacement = QString::fromUcs4(&character, 1);
        }
        if (replacement.isEmpty()) {
            decoded += value[i];
            continue;
        }
        decoded += replacement;
        i = semicolon;
    }
    return decoded;
}

// A browser drops tabs and line breaks anywhere in a URL and blanks and controls around it
// before it looks at the scheme.
bool runsCode(const QString &target)
{
    QString url;
    for (const QChar c : decodedValue(target)) {
        if (c != u'\t' && c != u'\n' && c != u'\r')
            url += c;
    }
    qsizetype start = 0;
    while (start < url.size() && url[start].unicode() <= 0x20)
        ++start;
    const QString scheme = url.sliced(start).section(u':', 0, 0).toLower();
    return url.indexOf(u':', start) >= 0
        && (scheme == u"javascript" || scheme == u"vbscript" || scheme == u"data");
}

bool insideImages(const QString &source)
{
    const QString path = decodedValue(source);
    if (!path.startsWith(u"images/"))
        return false;
    const QString name = path.sliced(7);
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/')
        && !name.contains(u'\\') && !name.contains(u':');
}

std::optional<QString> attributeProblem(const Tag &tag)
{
    for (const Attribute &attribute : tag.attributes) {
        if (attribute.name.startsWith(u"on"))
            return u"an event attribute \"%1\" on <%2>"_s.arg(attribute.name, tag.name);
        if ((attribute.name == u"href" || attribute.name == u"src") && runsCode(attribute.value))
            return u"a %1 that runs code: \"%2\""_s.arg(attribute.name, attribute.value);
        if (tag.name == u"img" && attribute.name == u"src" && !insideImages(attribute.value))
            return u"a picture outside images/: \"%1\""_s.arg(attribute.value);
    }
    return std::nullopt;
}

bool isVoid(const QString &name)
{
    static const QStringList kVoidElements{u"meta"_s, u"img"_s,  u"br"_s,
                                           u"hr"_s,   u"link"_s, u"input"_s};
    return kVoidElements.contains(name);
}

// Keeps the stack of open elements; an end tag must close the innermost one.
std::optional<QString> nestingProblem(const Tag &tag, QStringList &open)
{
    if (tag.name.startsWith(u'/')) {
        const QString name = tag.name.sliced(1);
        if (open.isEmpty() || open.last() != name)
            return u"</%1> closes <%2>"_s.arg(name, open.isEmpty() ? QString() : open.last());
        open.removeLast();
    } else if (!tag.name.startsWith(u'!') && !isVoid(tag.name)) {
        open.append(tag.name);
    }
    return std::nullopt;
}

// Every '<' of the text is a tag, since contact text arrives escaped, so a script element is
// a tag of that name; "<script" inside a quoted attribute value starts nothing.
std::optional<QString> tagProblem(const Tag &tag, QStringList &open)
{
    if (tag.name.startsWith(u"script"))
        return u"a <script> element"_s;
    if (tag.name.contains(u'<'))
        return u"a tag broken by '<': <%1"_s.arg(tag.name);
    if (std::optional<QString> problem = attributeProblem(tag))
        return problem;
    return nestingProblem(tag, open);
}

} // namespace

std::optional<QString> brokenPagePromise(QStringView page)
{
    QStringList open;
    for (qsizetype at = page.indexOf(u'<'); at >= 0; at = page.indexOf(u'<', at)) {
        const std::optional<Tag> tag = readTag(page, at);
        if (!tag)
            return u"a tag that never closes at offset %1"_s.arg(at);
        if (std::optional<QString> problem = tagProblem(*tag, open))
            return u"offset %1: %2"_s.arg(at).arg(*problem);
        at = tag->end;
        if (tag->name == u"style")
            at = page.indexOf(u"</style", at, Qt::CaseInsensitive);
        if (at < 0)
            return u"a style sheet that never ends"_s;
    }
    if (!open.isEmpty())
        return u"<%1> never closed"_s.arg(open.join(u"> <"_s));
    return std::nullopt;
}
