// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/stringadditions.h"

#include <QTextBoundaryFinder>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace QEV_NSStringAdditionsSubset {
namespace {

// The words that title case keeps in lower case, each with the single spaces that must
// stand around it for the lowering to apply.
const QStringList &smallWords()
{
    static const QStringList kWords
        = u" A | An | And | As | At | Both | But | By | Either | For | From | In | Is | Neither "
          u"| Nor | Of | On | Or | So | The | To | With | Yet "_s.split(u'|');
    return kWords;
}

const QStringList &lowerSmallWords()
{
    static const QStringList kWords = [] {
        QStringList lowered;
        for (const QString &word : smallWords())
            lowered.append(word.toLower());
        return lowered;
    }();
    return kWords;
}

// The characters that the token scanners pass over: Unicode white space, line breaks
// included (Zs, U+2028, U+2029, U+0009..U+000D, U+0085).
bool isSkipSpace(QChar c)
{
    return c.isSpace();
}

qsizetype skipSpaces(const QString &text, qsizetype position)
{
    while (position < text.size() && isSkipSpace(text.at(position)))
        ++position;
    return position;
}

bool hasNonSpaceFrom(const QString &text, qsizetype position)
{
    return skipSpaces(text, position) < text.size();
}

template<typename Predicate>
qsizetype runEnd(const QString &text, qsizetype position, Predicate belongs)
{
    while (position < text.size() && belongs(text.at(position)))
        ++position;
    return position;
}

} // namespace

const CharacterSet &allWhitespaceCharacterSet()
{
    static const CharacterSet kWhiteSet{u' ', u'\t', u'\n', u'\r', QChar(0x000B), QChar(0x000C)};
    return kWhiteSet;
}

const CharacterSet &newlineCharacterSet()
{
    static const CharacterSet kNewlineSet{u'\n', u'\r'};
    return kNewlineSet;
}

bool isBlankString(const QString &receiver)
{
    return receiver.isEmpty();
}

bool hasCaseInsensitivePrefix(const QString &receiver, const QString &prefix)
{
    if (prefix.isEmpty())
        return false;
    // Where both are ASCII as far as the prefix goes, lowering is letter by letter and keeps
    // the length, so comparing without case needs no lowered copies.
    const auto isAscii = [](QChar c) {
        return c.unicode() < 0x80;
    };
    const QStringView head = QStringView(receiver).first(std::min(receiver.size(), prefix.size()));
    if (std::all_of(head.begin(), head.end(), isAscii)
        && std::all_of(prefix.begin(), prefix.end(), isAscii))
        return head.size() == prefix.size() && head.compare(prefix, Qt::CaseInsensitive) == 0;
    return receiver.toLower().startsWith(prefix.toLower());
}

QString deprefixCaseInsensitive(const QString &receiver, const QString &prefix)
{
    if (receiver.isEmpty() || !hasCaseInsensitivePrefix(receiver, prefix))
        return receiver;
    return receiver.mid(prefix.size());
}

bool containsString(const QString &receiver, const QString &needle, bool considerCase)
{
    if (needle.isEmpty())
        return false;
    const Qt::CaseSensitivity sensitivity = considerCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString text = receiver.normalized(QString::NormalizationForm_D);
    const QString sought = needle.normalized(QString::NormalizationForm_D);
    // A match counts only where it begins and ends between whole characters, so that "e"
    // is not found inside "é" (an "e" and a combining accent once decomposed).
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = text.indexOf(sought, 0, sensitivity); at >= 0;
         at = text.indexOf(sought, at + 1, sensitivity)) {
        characters.setPosition(at);
        if (!characters.isAtBoundary())
            continue;
        characters.setPosition(at + sought.size());
        if (characters.isAtBoundary())
            return true;
    }
    return false;
}

QStringList characters(const QString &receiver)
{
    QStringList result;
    result.reserve(receiver.size());
    for (const QChar c : receiver)
        result.append(QString(c));
    return result;
}

std::optional<QString> charAtIndex(const QString &receiver, std::uint32_t index)
{
    constexpr std::uint32_t kLastIndex = 0xFFFFFFFFu;
    if (receiver.isEmpty())
        return std::nullopt;
    if (index == kLastIndex)
        return QString(receiver.back());
    if (index >= static_cast<std::uint64_t>(receiver.size()))
        return std::nullopt;
    return QString(receiver.at(index));
}

QString firstCharacter(const QString &receiver)
{
    if (receiver.size() <= 1)
        return receiver;
    return QString(receiver.front());
}

QString snr(const QString &receiver, const QString &search, const QString &replacement)
{
    if (receiver.isEmpty() || search.isEmpty())
        return receiver;
    // Most texts hold nothing to replace: they are handed back shared, not copied, and a
    // single character is replaced without building a string matcher for it.
    if (search.size() == 1) {
        if (!receiver.contains(search.front()))
            return receiver;
        QString result = receiver;
        return result.replace(search.front(), replacement);
    }
    if (!receiver.contains(search))
        return receiver;
    QString result = receiver;
    return result.replace(search, replacement, Qt::CaseSensitive);
}

QString snrBatch(const QString &receiver, const QStringList &search,
                 const QStringList &replacements)
{
    QString result = receiver;
    const qsizetype pairs = std::min(search.size(), replacements.size());
    for (qsizetype i = 0; i < pairs; ++i)
        result = snr(result, search.at(i), replacements.at(i));
    return result;
}

QString titleCaseString(const QString &receiver)
{
    if (receiver.isEmpty())
        return receiver;
    const CharacterSet &separators = allWhitespaceCharacterSet();
    QString output;
    output.reserve(receiver.size());
    qsizetype position = 0;
    while (hasNonSpaceFrom(receiver, position)) {
        position = skipSpaces(receiver, position);
        const qsizetype end
            = runEnd(receiver, position, [&](QChar c) { return !separators.contains(c); });
        output += QString(receiver.at(position)).toUpper();
        output += QStringView(receiver).sliced(position + 1, end - position - 1);
        position = end;
        if (position < receiver.size())
            output += receiver.at(position++);
    }
    return snrBatch(output, smallWords(), lowerSmallWords());
}

QString clean(const QString &receiver, const QString &allowed)
{
    if (receiver.isEmpty())
        return receiver;
    QString output;
    qsizetype position = 0;
    while (hasNonSpaceFrom(receiver, position)) {
        position = skipSpaces(receiver, position);
        const qsizetype end
            = runEnd(receiver, position, [&](QChar c) { return allowed.contains(c); });
        output += QStringView(receiver).sliced(position, end - position);
        position = end;
        if (position < receiver.size())
            ++position;
    }
    return output;
}

QString trimFromStart(const QString &receiver, const QStringList &characters)
{
    qsizetype start = 0;
    while (start < receiver.size() && characters.contains(QString(receiver.at(start))))
        ++start;
    return start == 0 ? receiver : receiver.mid(start);
}

QString trimFromEnd(const QString &receiver, const QStringList &characters)
{
    qsizetype end = receiver.size();
    while (end > 0 && characters.contains(QString(receiver.at(end - 1))))
        --end;
    return end == receiver.size() ? receiver : receiver.left(end);
}

QString trimFromBoth(const QString &receiver, const QStringList &characters)
{
    return trimFromEnd(trimFromStart(receiver, characters), characters);
}

QString stripDiacritical(const QString &receiver)
{
    if (receiver.isEmpty())
        return receiver;
    QString decomposed = receiver.normalized(QString::NormalizationForm_D);
    decomposed.removeIf([](QChar c) { return c.isMark(); });
    return decomposed;
}

QString addPercentEscapes(const QString &receiver)
{
    if (receiver.isEmpty())
        return receiver;
    // Qt keeps the letters, digits and - . _ ~ itself; the other marks are named here.
    return QString::fromLatin1(QUrl::toPercentEncoding(receiver, "!*'()?$,"));
}

} // namespace QEV_NSStringAdditionsSubset
