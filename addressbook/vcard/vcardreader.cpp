// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardreader.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Every byte of a file goes through one of these tests; a table answers in one load.
constexpr std::array<bool, 256> kNameChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
            || c == '-' || c == '_' || c == '.';
    }
    return table;
}();

constexpr std::array<bool, 256> kParameterNameEnds = [] {
    std::array<bool, 256> table{};
    table['='] = table[';'] = table[':'] = true;
    return table;
}();

constexpr std::array<bool, 256> kParameterValueEnds = [] {
    std::array<bool, 256> table{};
    table[','] = table[';'] = table[':'] = true;
    return table;
}();

bool isNameChar(char c)
{
    return kNameChars[uchar(c)];
}

bool isSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// The first CR or LF in [p, end), sixteen or eight bytes at a time: lines are short, and a
// call to the C library per line costs more than the search.
const char *findCROrLF(const char *p, const char *end)
{
#ifdef __SSE2__
    const __m128i lineFeeds = _mm_set1_epi8('\n');
    const __m128i returns = _mm_set1_epi8('\r');
    for (; end - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const auto hits = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, lineFeeds), _mm_cmpeq_epi8(block, returns))));
        if (hits != 0)
            return p + std::countr_zero(hits);
    }
#endif
    constexpr quint64 kOnes = 0x0101010101010101;
    constexpr quint64 kHighs = 0x8080808080808080;
    for (; end - p >= 8; p += 8) {
        const quint64 word = qFromLittleEndian<quint64>(p); // the first byte lowest
        const quint64 lf = word ^ (kOnes * '\n');
        const quint64 cr = word ^ (kOnes * '\r');
        // The lowest flagged byte is exact: only bytes above a match can be flagged falsely.
        const quint64 hits = (((lf - kOnes) & ~lf) | ((cr - kOnes) & ~cr)) & kHighs;
        if (hits)
            return p + std::countr_zero(hits) / 8;
    }
    while (p < end && *p != '\r' && *p != '\n')
        ++p;
    return p;
}

bool isBase64Char(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+'
        || c == '/' || c == '=' || c == ' ' || c == '\t';
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// A bare vCard 2.1 parameter is a type, unless it names an encoding.
QByteArrayView bareParameterName(QByteArrayView value)
{
    for (const char *encoding : {"QUOTED-PRINTABLE", "BASE64", "B", "8BIT", "7BIT"}) {
        if (equalsIgnoringCase(value, encoding))
            return "ENCODING";
    }
    return "TYPE";
}

// Reads the values after "NAME=" up to the next ';' or ':' outside quotes. Returns the index
// after them, or -1 when a quote is never closed.
qsizetype parseParameterValues(QByteArrayView line, qsizetype i, QByteArrayView name,
                               QVarLengthArray<VCardParameter, 6> &parameters)
{
    const qsizetype n = line.size();
    for (;;) {
        if (i < n && line[i] == '"') {
            const qsizetype close = indexOfByte(line, '"', i + 1);
            if (close < 0)
                return -1;
            // A quoted list ("voice,home") is as much a list as an unquoted one.
            const QByteArrayView values = line.sliced(i + 1, close - i - 1);
            for (qsizetype from = 0;;) {
                const qsizetype comma = indexOfByte(values, ',', from);
                parameters.append(
                    {name, values.sliced(from, (comma < 0 ? values.size() : comma) - from)});
                if (comma < 0)
                    break;
                from = comma + 1;
            }
            i = close + 1;
        } else {
            const qsizetype start = i;
            while (i < n && !kParameterValueEnds[uchar(line[i])])
                ++i;
            parameters.append({name, line.sliced(start, i - start)});
        }
        if (i < n && line[i] == ',') {
            ++i;
            continue;
        }
        return i;
    }
}

// Parses a content line into property, which must be empty; false when it is none.
bool parseProperty(QByteArrayView line, VCardProperty &property)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    qsizetype dot = -1;
    for (; i < n && isNameChar(line[i]); ++i) {
        if (line[i] == '.')
            dot = i;
    }
    if (i == 0 || i == n || (line[i] != ';' && line[i] != ':') || dot == i - 1)
        return false;
    property.group = dot < 0 ? QByteArrayView() : line.first(dot);
    property.name = line.sliced(dot + 1, i - dot - 1);
    while (i < n && line[i] == ';') {
        const qsizetype start = ++i;
        while (i < n && !kParameterNameEnds[uchar(line[i])])
            ++i;
        const QByteArrayView name = trimmedText(line.sliced(start, i - start));
        if (i < n && line[i] == '=') {
            i = parseParameterValues(line, i + 1, name, property.parameters);
            if (i < 0)
                return false;
        } else if (!name.isEmpty()) {
            property.parameters.append({bareParameterName(name), name});
        }
    }
    if (i >= n || line[i] != ':')
        return false;
    property.value = line.sliced(i + 1);
    return true;
}

bool isContentLine(QByteArrayView line)
{
    VCardProperty property;
    return parseProperty(line, property);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

qsizetype skipSpaces(QByteArrayView text, qsizetype from)
{
    while (from < text.size() && isSpace(text[from]))
        ++from;
    return from;
}

bool isSpaceOnly(QByteArrayView text)
{
    return skipSpaces(text, 0) == text.size();
}

enum class Boundary { None, Begin, End };

// "BEGIN:VCARD" or "END:VCARD", in any case; blanks around the words are taken for nothing,
// not for a fold or stray text.
Boundary boundaryOf(QByteArrayView line)
{
    const qsizetype first = skipSpaces(line, 0);
    if (first == line.size())
        return Boundary::None;
    const char c = upper(line[first]);
    if (c != 'B' && c != 'E')
        return Boundary::None;
    const QByteArrayView keyword = c == 'B' ? "BEGIN" : "END";
    if (!startsWithIgnoringCase(line.sliced(first), keyword))
        return Boundary::None;
    const qsizetype colon = skipSpaces(line, first + keyword.size());
    if (colon == line.size() || line[colon] != ':'
        || !equalsIgnoringCase(trimmedText(line.sliced(colon + 1)), "VCARD"))
        return Boundary::None;
    return c == 'B' ? Boundary::Begin : Boundary::End;
}

enum class Transfer { None, QuotedPrintable, Base64 };

// Quoted-printable wins where a line names both. One pass, since every line asks.
Transfer transferOf(const VCardProperty &property)
{
    Transfer transfer = Transfer::None;
    for (const VCardParameter &parameter : property.parameters) {
        if (!equalsIgnoringCase(parameter.name, "ENCODING"))
            continue;
        const QByteArrayView value = trimmedText(parameter.value);
        if (equalsIgnoringCase(value, "QUOTED-PRINTABLE"))
            return Transfer::QuotedPrintable;
        if (equalsIgnoringCase(value, "B") || equalsIgnoringCase(value, "BASE64"))
            transfer = Transfer::Base64;
    }
    return transfer;
}

// Whether a value ends in a backslash that escapes nothing ("a\\" ends in an escaped one).
bool endsInLoneBackslash(QByteArrayView value)
{
    qsizetype count = 0;
    while (count < value.size() && value[value.size() - 1 - count] == '\\')
        ++count;
    return count % 2 == 1;
}

// A quoted-printable line that ends in '=' goes on with the next line as it is, blank or not.
bool endsInSoftBreak(QByteArrayView line)
{
    if (!line.endsWith('='))
        return false;
    VCardProperty property;
    return parseProperty(line, property) && property.isQuotedPrintable();
}

} // namespace

std::optional<QByteArrayView> VCardProperty::parameter(QByteArrayView upperName) const
{
    for (const VCardParameter &parameter : parameters) {
        if (equalsIgnoringCase(parameter.name, upperName))
            return parameter.value;
    }
    return std::nullopt;
}

bool VCardProperty::hasParameter(QByteArrayView upperName, QByteArrayView wanted) const
{
    for (const VCardParameter &parameter : parameters) {
        if (equalsIgnoringCase(parameter.name, upperName)
            && equalsIgnoringCase(trimmedText(parameter.value), wanted))
            return true;
    }
    return false;
}

bool VCardProperty::isQuotedPrintable() const
{
    return hasParameter("ENCODING", "QUOTED-PRINTABLE");
}

bool VCardProperty::isBase64() const
{
    return hasParameter("ENCODING", "B") || hasParameter("ENCODING", "BASE64");
}

VCardReader::VCardReader(QByteArrayView data, VCardDiagnostics &diagnostics, bool validUtf8)
    : m_data(data)
    , m_diagnostics(diagnostics)
    , m_validUtf8(validUtf8)
{}

void VCardReader::recycle(VCardCard &&card)
{
    m_spareProperties = std::move(card.properties);
}

qsizetype VCardReader::consumed() const
{
    if (m_open.empty())
        return m_pos;
    return m_open.front().text.data() - m_data.data();
}

VCardReader::Line VCardReader::readPhysicalLine()
{
    const qsizetype start = m_pos;
    const qsizetype end
        = findCROrLF(m_data.data() + start, m_data.data() + m_data.size()) - m_data.data();
    // CR CR LF, which some exporters write, is one line end; so are CRLF, LF and CR.
    qsizetype next = end;
    while (next < m_data.size() && m_data[next] == '\r')
        ++next;
    if (next < m_data.size() && m_data[next] == '\n')
        ++next;
    m_pos = next;
    QByteArrayView text = m_data.sliced(start, end - start);
    // Files joined end to end carry their byte-order marks along.
    if (!text.isEmpty() && text[0] == kByteOrderMark[0] && text.startsWith(kByteOrderMark))
        text = text.sliced(kByteOrderMark.size());
    return {text, ++m_lineNumber, start};
}

QByteArrayView VCardReader::peekLine(qsizetype limit) const
{
    const char *start = m_data.data() + m_pos;
    const char *stop = findCROrLF(start, m_data.data() + std::min(m_data.size(), m_pos + limit));
    return m_data.sliced(m_pos, stop - start);
}

bool VCardReader::continuesFolded() const
{
    return !atEnd() && isBlank(m_data[m_pos]) && !nextLineIsCardBoundary();
}

bool VCardReader::inVersion21() const
{
    return !m_open.empty() && m_open.back().version21;
}

std::optional<VCardReader::Line> VCardReader::readLogicalLine(std::vector<QByteArray> &storage)
{
    Line line;
    do {
        if (atEnd())
            return std::nullopt;
        line = readPhysicalLine();
    } while (isSpaceOnly(line.text));
    if (!continuesFolded() || endsInSoftBreak(line.text)) {
        if (line.text.size() <= kMaxLineLength)
            return line;
        m_diagnostics.report(line.number,
                             u"line longer than %1 bytes left out"_s.arg(kMaxLineLength));
        return Line{QByteArrayView(), line.number, line.start};
    }

    QByteArray joined(line.text.data(), line.text.size());
    bool tooLong = false;
    // vCard 2.1 folds before a blank that belongs to the text; later versions add one.
    const bool keepBlank = inVersion21();
    while (continuesFolded() && !endsInSoftBreak(joined)) {
        if (!keepBlank)
            ++m_pos;
        const QByteArrayView piece = readPhysicalLine().text;
        tooLong = tooLong || joined.size() + piece.size() > kMaxLineLength;
        if (!tooLong)
            joined.append(piece);
    }
    if (tooLong) {
        m_diagnostics.report(line.number,
                             u"line longer than %1 bytes left out"_s.arg(kMaxLineLength));
        return Line{QByteArrayView(), line.number, line.start};
    }
    storage.push_back(std::move(joined));
    line.text = storage.back();
    return line;
}

bool VCardReader::nextLineIsCardBoundary() const
{
    return boundaryOf(peekLine(64)) != Boundary::None; // 64: room for any way of writing one
}

// Phones write a street of several lines in vCard 2.1 by ending each but the last with a
// backslash. The next line goes on with the value unless it is a line of its own.
bool VCardReader::nextLineContinuesValue() const
{
    const QByteArrayView next = peekLine(kMaxLineLength);
    return !isSpaceOnly(next) && !nextLineIsCardBoundary() && !isContentLine(next);
}

void VCardReader::joinContinuedLines(VCardProperty &property, std::vector<QByteArray> &storage)
{
    if (!endsInLoneBackslash(property.value) || !nextLineContinuesValue())
        return;
    QByteArray value(property.value.data(), property.value.size());
    while (endsInLoneBackslash(value) && nextLineContinuesValue()
           && value.size() < kMaxLineLength) {
        value.append('n'); // the backslash and this make the escape of a line break
        value.append(readPhysicalLine().text);
    }
    storage.push_back(std::move(value));
    property.value = storage.back();
}

void VCardReader::joinSoftBreaks(VCardProperty &property, std::vector<QByteArray> &storage)
{
    if (!property.value.endsWith('='))
        return;
    QByteArray value(property.value.data(), property.value.size());
    while (value.endsWith('=')) {
        value.chop(1);
        if (atEnd() || nextLineIsCardBoundary()) {
            m_diagnostics.report(property.line,
                                 u"quoted-printable value does not end before the card does"_s);
            break;
        }
        const QByteArrayView piece = readPhysicalLine().text;
        if (value.size() + piece.size() > kMaxLineLength) {
            m_diagnostics.report(property.line, u"quoted-printable value too long; cut"_s);
            break;
        }
        value.append(piece);
    }
    storage.push_back(std::move(value));
    property.value = storage.back();
}

bool VCardReader::nextLineIsBase64() const
{
    const QByteArrayView next = peekLine(kMaxLineLength);
    return !next.isEmpty() && std::all_of(next.begin(), next.end(), isBase64Char);
}

// vCard 2.1 writers put a base64 value on the lines after the property, often without
// the blank that folding needs, and end it with an empty line.
void VCardReader::joinBase64Block(VCardProperty &property, std::vector<QByteArray> &storage)
{
    if (!nextLineIsBase64())
        return;
    QByteArray value(property.value.data(), property.value.size());
    while (nextLineIsBase64() && value.size() < kMaxLineLength)
        value.append(readPhysicalLine().text);
    storage.push_back(std::move(value));
    property.value = storage.back();
}

VCardCard VCardReader::finishCard(bool complete, qsizetype end)
{
    VCardCard card = std::move(m_open.back());
    m_open.pop_back();
    card.complete = complete;
    const qsizetype start = card.text.data() - m_data.data();
    card.text = m_data.sliced(start, end - start);
    if (!complete)
        m_diagnostics.report(card.line, u"card ends without END:VCARD; read as far as it goes"_s);
    return card;
}

std::optional<VCardCard> VCardReader::next()
{
    for (;;) {
        std::vector<QByteArray> scratch;
        std::vector<QByteArray> &storage = m_open.empty() ? scratch : m_open.back().joinedLines;
        const std::optional<Line> line = readLogicalLine(storage);
        if (!line) {
            if (m_open.empty())
                return std::nullopt;
            m_endedInsideCard = true;
            return finishCard(false, m_data.size());
        }
        if (line->text.isEmpty())
            continue; // too long, already reported
        const Boundary boundary = boundaryOf(line->text);
        if (boundary == Boundary::Begin) {
            openCard(*line);
            continue;
        }
        if (boundary == Boundary::End) {
            if (!m_open.empty())
                return finishCard(true, m_pos);
            m_diagnostics.report(line->number, u"END:VCARD without BEGIN:VCARD ignored"_s);
            continue;
        }
        if (m_open.empty()) {
            if (m_firstStrayLine == 0)
                m_firstStrayLine = line->number;
            continue;
        }
        addProperty(*line);
    }
}

// A card inside a card is an agent (vCard 2.1) or the rest of a file after a card that was
// cut off; either way its lines belong to it.
void VCardReader::openCard(const Line &line)
{
    VCardCard card;
    card.properties = std::exchange(m_spareProperties, {});
    card.properties.clear();
    card.properties.reserve(32);
    card.line = line.number;
    card.validUtf8 = m_validUtf8;
    card.text = m_data.sliced(line.start, 0);
    m_open.push_back(std::move(card));
}

// Parsed in place: a property is too large to be copied into the card once more.
void VCardReader::addProperty(const Line &line)
{
    VCardCard &card = m_open.back();
    VCardProperty &property = card.properties.emplace_back();
    if (!parseProperty(line.text, property)) {
        card.properties.pop_back();
        m_diagnostics.report(line.number, u"not a vCard content line; ignored"_s);
        return;
    }
    property.line = line.number;
    switch (transferOf(property)) {
    case Transfer::QuotedPrintable:
        joinSoftBreaks(property, card.joinedLines);
        break;
    case Transfer::Base64:
        joinBase64Block(property, card.joinedLines);
        break;
    case Transfer::None:
        if (card.version21)
            joinContinuedLines(property, card.joinedLines);
    }
    if (property.name.size() == 7 && property.is("VERSION"))
        card.version21 = property.value.trimmed() == "2.1";
}
