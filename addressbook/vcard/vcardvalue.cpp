// SPDX-License-Identifier: GPL-3.0-or-later
#include "addressbook/vcard/vcardvalue.h"

#include <QStringDecoder>
#include <QtEndian>

#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

using namespace Qt::StringLiterals;

namespace VCardValue {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isUtf8(QByteArrayView name)
{
    return equalsIgnoringCase(name, "UTF-8") || equalsIgnoringCase(name, "UTF8");
}

QByteArray decodeInFallback(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    return (decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes))
        .toUtf8();
}

// Valid UTF-8 is taken as it is; anything else is read as Windows-1252 (what desktop
// exports that are not UTF-8 nearly always are), so no character is lost.
Utf8 checkedUtf8(Utf8 bytes, qsizetype line, VCardDiagnostics &diagnostics)
{
    if (isValidUtf8(bytes.view()))
        return bytes;
    diagnostics.report(line, u"text is not valid UTF-8; read as Windows-1252"_s);
    return Utf8(decodeInFallback(bytes.view()));
}

Utf8 decodeCharset(Utf8 bytes, QByteArrayView charset, qsizetype line,
                   VCardDiagnostics &diagnostics)
{
    if (charset.isEmpty() || isUtf8(charset))
        return checkedUtf8(std::move(bytes), line, diagnostics);
    QStringDecoder decoder(charset.toByteArray().constData());
    if (!decoder.isValid()) {
        diagnostics.report(
            line,
            u"unknown character set \"%1\"; read as UTF-8"_s.arg(QString::fromLatin1(charset)));
        return checkedUtf8(std::move(bytes), line, diagnostics);
    }
    const QString text = decoder.decode(bytes.view());
    if (decoder.hasError())
        diagnostics.report(line, u"text is not valid %1"_s.arg(QString::fromLatin1(charset)));
    return Utf8(text.toUtf8());
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedBlanks(QByteArrayView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlank(text[start]))
        ++start;
    while (end > start && isBlank(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

// One sequence after another; what the blocks leave over, and all of it where there are none.
bool isValidUtf8Bytewise(const uchar *p, const uchar *end)
{
    while (p < end) {
        // Most text is ASCII: eight bytes at a time are passed up to the first with its
        // high bit set.
        if (end - p >= 8) {
            const quint64 high = qFromLittleEndian<quint64>(p) & 0x8080808080808080;
            if (high == 0) {
                p += 8;
                continue;
            }
            p += std::countr_zero(high) / 8; // the first byte is the lowest
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t least = 0;
        if ((*p & 0xE0) == 0xC0) {
            length = 2;
            least = 0x80;
        } else if ((*p & 0xF0) == 0xE0) {
            length = 3;
            least = 0x800;
        } else if ((*p & 0xF8) == 0xF0) {
            length = 4;
            least = 0x10000;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        char32_t code = *p & (0x7F >> length);
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        // Overlong forms, surrogates and code points past Unicode are not UTF-8.
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += length;
    }
    return true;
}

#ifdef __SSE2__
__m128i repeated(uchar c)
{
    return _mm_set1_epi8(char(c));
}

// The block seen n bytes later: each byte lined up with the one n places before it, the
// first ones taken from the end of the block before.
template<int n>
__m128i laggedBy(__m128i block, __m128i previous)
{
    return _mm_or_si128(_mm_slli_si128(block, n), _mm_srli_si128(previous, 16 - n));
}

// Nonzero bytes where block breaks UTF-8, given the block before it. A byte must be a
// continuation byte (80..BF) exactly where a lead byte up to three places before asks for
// one; C0, C1 and F5..FF lead nothing valid; and the byte after E0, ED, F0 or F4 has a
// narrower range, which keeps out overlong forms, surrogates and code points past U+10FFFF.
// Signed comparisons are right here: they only decide for continuation bytes.
__m128i blockErrors(__m128i block, __m128i previous)
{
    const __m128i after1 = laggedBy<1>(block, previous);
    const __m128i needed
        = _mm_or_si128(_mm_or_si128(_mm_subs_epu8(after1, repeated(0xBF)),
                                    _mm_subs_epu8(laggedBy<2>(block, previous), repeated(0xDF))),
                       _mm_subs_epu8(laggedBy<3>(block, previous), repeated(0xEF)));
    const __m128i continuation = _mm_cmplt_epi8(block, repeated(0xC0));
    __m128i errors = _mm_cmpeq_epi8(continuation, _mm_cmpeq_epi8(needed, _mm_setzero_si128()));
    errors = _mm_or_si128(errors,
                          _mm_cmpeq_epi8(_mm_and_si128(block, repeated(0xFE)), repeated(0xC0)));
    errors = _mm_or_si128(errors, _mm_subs_epu8(block, repeated(0xF4)));
    const auto secondBelow = [&](uchar lead, uchar least) {
        return _mm_and_si128(_mm_cmpeq_epi8(after1, repeated(lead)),
                             _mm_cmplt_epi8(block, repeated(least)));
    };
    const auto secondAbove = [&](uchar lead, uchar most) {
        return _mm_and_si128(_mm_cmpeq_epi8(after1, repeated(lead)),
                             _mm_cmpgt_epi8(block, repeated(most)));
    };
    errors = _mm_or_si128(errors, _mm_or_si128(secondBelow(0xE0, 0xA0), secondAbove(0xED, 0x9F)));
    return _mm_or_si128(errors, _mm_or_si128(secondBelow(0xF0, 0x90), secondAbove(0xF4, 0x8F)));
}

// Where the sequence left open at p starts (p itself when none is): the bytes before p are
// known to be valid as far as they go.
const uchar *openSequenceStart(const uchar *begin, const uchar *p)
{
    for (int back = 1; back <= 3 && p - back >= begin; ++back) {
        const uchar c = p[-back];
        if (c < 0x80)
            return p;
        if (c >= 0xC0) {
            const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            return back < length ? p - back : p;
        }
    }
    return p;
}

// Checks whole blocks of 16 bytes, without a branch per character (names and notes hold
// many letters that are not ASCII). Returns where the bytewise check is to go on, or
// nullptr when a block is invalid.
const uchar *checkBlocks(const uchar *begin, const uchar *end)
{
    const uchar *p = begin;
    __m128i previous = _mm_setzero_si128();
    for (; end - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        // ASCII after ASCII is valid as it is.
        if (_mm_movemask_epi8(_mm_or_si128(block, previous)) != 0) {
            const __m128i errors = blockErrors(block, previous);
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(errors, _mm_setzero_si128())) != 0xFFFF)
                return nullptr;
        }
        previous = block;
    }
    return openSequenceStart(begin, p);
}
#endif

} // namespace

QByteArray decodeQuotedPrintable(QByteArrayView encoded)
{
    QByteArray decoded;
    decoded.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '=' && i + 2 < encoded.size()) {
            const int high = hexDigit(encoded[i + 1]);
            const int low = hexDigit(encoded[i + 2]);
            if (high >= 0 && low >= 0) {
                decoded.append(char(high * 16 + low));
                i += 2;
                continue;
            }
        }
        decoded.append(c);
    }
    return decoded;
}

std::optional<QByteArray> decodeBase64(QByteArrayView encoded)
{
    QByteArray compact;
    compact.reserve(encoded.size());
    for (const char c : encoded) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            compact.append(c);
    }
    auto result = QByteArray::fromBase64Encoding(std::move(compact),
                                                 QByteArray::AbortOnBase64DecodingErrors);
    if (!result)
        return std::nullopt;
    QByteArray bytes = std::move(*result);
    bytes.squeeze();
    return bytes;
}

std::optional<QString> asciiLowered(QStringView text)
{
    QString lowered(text.size(), Qt::Uninitialized);
    QChar *out = lowered.data();
    char16_t bits = 0; // of every character, to tell ASCII at the end
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        bits |= c;
        out[i] = QChar(char16_t(c + (char16_t(c - u'A') < 26 ? u'a' - u'A' : 0)));
    }
    if (bits >= 0x80)
        return std::nullopt;
    return lowered;
}

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const uchar *const end = p + bytes.size();
#ifdef __SSE2__
    p = checkBlocks(p, end);
    if (p == nullptr)
        return false;
#endif
    return isValidUtf8Bytewise(p, end);
}

Utf8 text(const VCardProperty &property, VCardDiagnostics &diagnostics, bool validUtf8)
{
    const QByteArrayView charset = property.parameter("CHARSET").value_or(QByteArrayView());
    const bool quotedPrintable = property.isQuotedPrintable();
    if (validUtf8 && !quotedPrintable && (charset.isEmpty() || isUtf8(charset)))
        return Utf8(property.value);
    Utf8 bytes
        = quotedPrintable ? Utf8(decodeQuotedPrintable(property.value)) : Utf8(property.value);
    return decodeCharset(std::move(bytes), charset, property.line, diagnostics);
}

Parts split(QByteArrayView text, char separator)
{
    Parts parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\\') {
            ++i;
        } else if (text[i] == separator) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

Utf8 Utf8::trimmed() &&
{
    m_view = trimmedBlanks(m_view);
    return std::move(*this);
}

Utf8 Utf8::narrowed(QByteArrayView part) &&
{
    m_view = part;
    return std::move(*this);
}

Utf8 plain(Utf8 &&text)
{
    Utf8 result = plain(text.view());
    return result.ownsBytes() ? std::move(result) : std::move(text).narrowed(result.view());
}

Utf8 plain(QByteArrayView text)
{
    Utf8 unescaped = unescape(trimmedBlanks(text));
    // Only an escaped blank or tab ("\ ") can be left at the start, and only a copy holds one.
    return unescaped.ownsBytes() ? std::move(unescaped).trimmed() : std::move(unescaped);
}

Utf8 unescape(QByteArrayView text)
{
    if (indexOfByte(text, '\\') < 0)
        return Utf8(text);
    // Written through a pointer: a value is never longer unescaped, and appending byte by
    // byte costs a check each.
    QByteArray plain(text.size(), Qt::Uninitialized);
    char *out = plain.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            *out++ = text[i];
            continue;
        }
        const char next = text[++i];
        *out++ = next == 'n' || next == 'N' ? '\n' : next;
    }
    plain.truncate(out - plain.constData());
    return Utf8(std::move(plain));
}

std::optional<QByteArray> inlineData(const VCardProperty &property, VCardDiagnostics &diagnostics)
{
    // Exporters escape the "," and ";" of a data: URI as in text, and some add ENCODING=b to
    // it; neither changes what the URI holds.
    const Utf8 unescaped = unescape(property.value.trimmed());
    const QByteArrayView value = unescaped.view();
    QByteArrayView payload = value;
    if (startsWithIgnoringCase(value, "data:")) {
        const qsizetype comma = value.indexOf(',');
        const QByteArrayView header = comma < 0 ? value : value.first(comma);
        if (comma < 0 || !header.toByteArray().toLower().endsWith(";base64")) {
            diagnostics.report(property.line, u"picture data: URI is not base64; left out"_s);
            return std::nullopt;
        }
        payload = value.sliced(comma + 1);
    } else if (!property.isBase64()
               && (value.contains(':') || property.hasParameter("VALUE", "uri")
                   || property.hasParameter("VALUE", "url"))) {
        return std::nullopt; // a link: pictures are never fetched
    }
    // Base64 as the card says, or as some exporters write it without saying so.
    std::optional<QByteArray> bytes = decodeBase64(payload);
    if (!bytes || bytes->isEmpty()) {
        diagnostics.report(property.line, u"picture is not valid base64; left out"_s);
        return std::nullopt;
    }
    return bytes;
}

} // namespace VCardValue
